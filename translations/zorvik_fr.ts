<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr">
<context>
    <name>CommandLine</name>
    <message>
        <source>Zorvik, a keyboard-driven arcade game in two windows: the tower
(&quot;Zorvik!&quot;), where the ball climbs platforms that scroll down, and the hopper
(&quot;Zorvik Again!&quot;), where one platform jumps away each time the ball lands on
it.

Keys, in either window (each plays on its own and keeps its own high score):
  Return                 start a game (keypad Enter too, unless a screen
                         reader such as Orca takes keypad Enter for itself)
  Left, Right            steer the ball; let go to stop it sideways
  Up                     leap, also in mid-air
  Return, Space, Escape  dismiss the &quot;Game Over&quot; box

Sound: while a screen reader runs, the game plays by ear: the ball is heard
where it is (left to right, and higher as it climbs), the hopper&apos;s platform
hums where it is, and short cues tell of a landing, a head bump, a leap and a
ball falling with no platform left under it. See --sound and --no-sound.

Closing a window ends its game and leaves the other one playing. The program
ends when both windows are closed, or with Ctrl+C in its terminal.

One game runs on a display: starting it again raises the running game&apos;s
windows and ends there.</source>
        <translation>Zorvik, un jeu d&apos;arcade au clavier en deux fenêtres : la tour (« Zorvik! »),
où la balle grimpe sur des plateformes qui défilent vers le bas, et le sauteur
(« Zorvik Again! »), où l&apos;unique plateforme saute ailleurs chaque fois que la
balle s&apos;y pose.

Touches, dans chaque fenêtre (chacune joue seule et garde son propre record) :
  Entrée                 lancer une partie (aussi Entrée du pavé numérique,
                         sauf si un lecteur d&apos;écran comme Orca se la réserve)
  Flèche gauche, droite  diriger la balle ; relâcher stoppe son élan latéral
  Flèche haut            bondir, même en l&apos;air
  Entrée, Espace, Échap  fermer la boîte « Partie terminée »

Son : tant qu&apos;un lecteur d&apos;écran est actif, le jeu se joue à l&apos;oreille : on
entend la balle là où elle est (de gauche à droite, et plus aiguë à mesure
qu&apos;elle monte), la plateforme du sauteur bourdonne là où elle est, et de brefs
signaux annoncent un atterrissage, un choc par en dessous, un bond et une balle
qui tombe sans plus aucune plateforme sous elle. Voir --sound et --no-sound.

Fermer une fenêtre termine sa partie et laisse l&apos;autre continuer. Le programme
se termine quand les deux fenêtres sont fermées, ou avec Ctrl+C dans son
terminal.

Un seul jeu tourne par affichage : le relancer met au premier plan les
fenêtres du jeu en cours, puis s&apos;arrête là.</translation>
    </message>
    <message>
        <source>
Qt&apos;s standard options are accepted too, among them:
  -platform NAME         Qt platform to use (xcb, wayland, offscreen, ...)
  -display DISPLAY       X server to open the windows on (xcb only)
  -geometry WxH+X+Y      size and place of the first window
  -style NAME            widget style
  -reverse               right-to-left layout

Environment:
  QT_QPA_PLATFORM        Qt platform when -platform is not given; by default
                         xcb (X11, or XWayland on a Wayland desktop), so that
                         the windows can sit at their fixed places
  DISPLAY                X server for the xcb platform
  WAYLAND_DISPLAY, XDG_RUNTIME_DIR
                         Wayland compositor for the wayland platform
  QT_SCALE_FACTOR        scales the windows, e.g. 2 on a dense screen
  QT_PLUGIN_PATH         further folders to look for Qt plugins in
  PULSE_SERVER           sound server for the sound cues (PulseAudio, or
                         PipeWire&apos;s PulseAudio service); the desktop&apos;s own
                         by default
  LANGUAGE, LC_ALL, LC_MESSAGES, LANG
                         the language of the game&apos;s texts, as on the desktop

Exit status:
  0  both windows were closed, the program was ended by SIGINT or SIGTERM,
     --help or --version printed, or a game already running on the display
     was raised
  1  no display, or the Qt platform cannot start
  2  wrong command line
</source>
        <translation>
Les options standard de Qt sont aussi acceptées, entre autres :
  -platform NOM          plateforme Qt (xcb, wayland, offscreen, ...)
  -display DISPLAY       serveur X où ouvrir les fenêtres (xcb seulement)
  -geometry WxH+X+Y      taille et position de la première fenêtre
  -style NOM             style des widgets
  -reverse               disposition de droite à gauche

Environnement :
  QT_QPA_PLATFORM        plateforme Qt si -platform n&apos;est pas donné ; par
                         défaut xcb (X11, ou XWayland sur un bureau Wayland),
                         pour que les fenêtres gardent leurs places fixes
  DISPLAY                serveur X pour la plateforme xcb
  WAYLAND_DISPLAY, XDG_RUNTIME_DIR
                         compositeur Wayland pour la plateforme wayland
  QT_SCALE_FACTOR        met les fenêtres à l&apos;échelle, p. ex. 2 sur un écran
                         à haute densité
  QT_PLUGIN_PATH         autres dossiers où chercher des greffons Qt
  PULSE_SERVER           serveur de son pour les signaux sonores (PulseAudio,
                         ou le service PulseAudio de PipeWire) ; par défaut
                         celui du bureau
  LANGUAGE, LC_ALL, LC_MESSAGES, LANG
                         la langue des textes du jeu, comme sur le bureau

Code de sortie :
  0  les deux fenêtres ont été fermées, le programme a été arrêté par SIGINT
     ou SIGTERM, --help ou --version a été affiché, ou un jeu déjà lancé sur
     l&apos;affichage a été mis au premier plan
  1  pas d&apos;affichage, ou la plateforme Qt ne peut pas démarrer
  2  ligne de commande incorrecte
</translation>
    </message>
    <message>
        <source>Play the sound cues even without a screen reader.</source>
        <translation>Jouer les signaux sonores même sans lecteur d&apos;écran.</translation>
    </message>
    <message>
        <source>No sound, even with a screen reader.</source>
        <translation>Pas de son, même avec un lecteur d&apos;écran.</translation>
    </message>
    <message>
        <source>Play slower, for players who need time: the whole game at PERCENT of its full speed, from %1 to %2 (the default).</source>
        <translation>Jouer plus lentement, pour qui a besoin de temps : tout le jeu à POURCENTAGE de sa pleine vitesse, de %1 à %2 (par défaut).</translation>
    </message>
    <message>
        <source>PERCENT</source>
        <translation>POURCENTAGE</translation>
    </message>
    <message>
        <source>%1 Try &apos;%2 --help&apos; for more information.</source>
        <translation>%1 Saisissez « %2 --help » pour plus d&apos;informations.</translation>
    </message>
    <message>
        <source>Unexpected argument &apos;%1&apos;.</source>
        <translation>Argument inattendu « %1 ».</translation>
    </message>
    <message>
        <source>--sound and --no-sound contradict each other.</source>
        <translation>--sound et --no-sound se contredisent.</translation>
    </message>
    <message>
        <source>--speed takes a whole number from %1 to %2, not &apos;%3&apos;.</source>
        <translation>--speed attend un nombre entier de %1 à %2, et non « %3 ».</translation>
    </message>
</context>
<context>
    <name>PlayWindow</name>
    <message>
        <source>High Score:</source>
        <translation>Record :</translation>
    </message>
    <message>
        <source>Score:</source>
        <translation>Score :</translation>
    </message>
    <message>
        <source>PRESS THE ENTER BUTTON TO START</source>
        <translation>APPUYEZ SUR ENTRÉE POUR COMMENCER</translation>
    </message>
    <message>
        <source>PRESS ENTER TO START</source>
        <translation>TAPEZ ENTRÉE POUR COMMENCER</translation>
    </message>
    <message>
        <source>Ball</source>
        <translation>Balle</translation>
    </message>
    <message>
        <source>Platform</source>
        <translation>Plateforme</translation>
    </message>
    <message>
        <source>Score</source>
        <translation>Score</translation>
    </message>
    <message>
        <source>High Score</source>
        <translation>Record</translation>
    </message>
    <message>
        <source>Final score: %1</source>
        <translation>Score final : %1</translation>
    </message>
    <message>
        <source>Final score: %1. High score: %2. New high score</source>
        <translation>Score final : %1. Record : %2. Nouveau record</translation>
    </message>
    <message>
        <source>Final score: %1. High score: %2</source>
        <translation>Score final : %1. Record : %2</translation>
    </message>
    <message>
        <source>Game Over</source>
        <translation>Partie terminée</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>%1: Game Over</source>
        <translation>%1 : Partie terminée</translation>
    </message>
</context>
<context>
    <name>QCommandLineParser</name>
    <message>
        <source>Usage: %1</source>
        <translation>Utilisation : %1</translation>
    </message>
    <message>
        <source>[options]</source>
        <translation>[options]</translation>
    </message>
    <message>
        <source>Options:</source>
        <translation>Options :</translation>
    </message>
    <message>
        <source>Displays help on commandline options.</source>
        <translation>Afficher l’aide sur les options de la ligne de commande.</translation>
    </message>
    <message>
        <source>Displays help including Qt specific options.</source>
        <translation>Afficher l’aide, avec les options propres à Qt.</translation>
    </message>
    <message>
        <source>Displays version information.</source>
        <translation>Afficher les informations de version.</translation>
    </message>
    <message>
        <source>Unknown option &apos;%1&apos;.</source>
        <translation>Option inconnue &quot;%1&quot;.</translation>
    </message>
    <message>
        <source>Unknown options: %1.</source>
        <translation>Options inconnues : %1.</translation>
    </message>
    <message>
        <source>Missing value after &apos;%1&apos;.</source>
        <translation>Valeur manquante après &quot;%1&quot;.</translation>
    </message>
    <message>
        <source>Unexpected value after &apos;%1&apos;.</source>
        <translation>Valeur inattendue après &quot;%1&quot;.</translation>
    </message>
</context>
<context>
    <name>QGuiApplication</name>
    <message>
        <source>QT_LAYOUT_DIRECTION</source>
        <translation>LTR</translation>
    </message>
</context>
<context>
    <name>Sound</name>
    <message>
        <source>%1: %2; the game plays on, silent until a server answers</source>
        <translation>%1 : %2 ; le jeu continue, en silence jusqu&apos;à ce qu&apos;un serveur réponde</translation>
    </message>
    <message>
        <source>no sound</source>
        <translation>pas de son</translation>
    </message>
    <message>
        <source>its event loop could not be made</source>
        <translation>la boucle d&apos;événements du son n&apos;a pas pu être créée</translation>
    </message>
    <message>
        <source>the sound server does not answer</source>
        <translation>le serveur de son ne répond pas</translation>
    </message>
    <message>
        <source>the sound library could not start</source>
        <translation>la bibliothèque de son n&apos;a pas pu démarrer</translation>
    </message>
    <message>
        <source>sound stopped</source>
        <translation>son interrompu</translation>
    </message>
    <message>
        <source>libpulse.so.0 could not be loaded</source>
        <translation>libpulse.so.0 n&apos;a pas pu être chargée</translation>
    </message>
</context>
<context>
    <name>Startup</name>
    <message>
        <source>the desktop scales its screen by %1, which blurs X11 programs; for sharp windows start the game with -platform wayland, or let X11 programs scale themselves in the desktop&apos;s display settings</source>
        <translation>le bureau agrandit son écran d&apos;un facteur %1, ce qui rend flous les programmes X11 ; pour des fenêtres nettes, lancez le jeu avec -platform wayland, ou laissez les programmes X11 se mettre eux-mêmes à l&apos;échelle dans les paramètres d&apos;affichage du bureau</translation>
    </message>
    <message>
        <source>no display: DISPLAY is not set, so there is no X server (or XWayland) to open the windows on</source>
        <translation>pas d&apos;affichage : DISPLAY n&apos;est pas défini, il n&apos;y a donc aucun serveur X (ni XWayland) où ouvrir les fenêtres</translation>
    </message>
    <message>
        <source>no display: cannot connect to the X server at DISPLAY=%1</source>
        <translation>pas d&apos;affichage : impossible de se connecter au serveur X de DISPLAY=%1</translation>
    </message>
    <message>
        <source>no Wayland compositor: XDG_RUNTIME_DIR is not set</source>
        <translation>pas de compositeur Wayland : XDG_RUNTIME_DIR n&apos;est pas défini</translation>
    </message>
    <message>
        <source>no Wayland compositor: the socket path %1 is too long</source>
        <translation>pas de compositeur Wayland : le chemin de socket %1 est trop long</translation>
    </message>
    <message>
        <source>no Wayland compositor at %1 (WAYLAND_DISPLAY)</source>
        <translation>pas de compositeur Wayland à %1 (WAYLAND_DISPLAY)</translation>
    </message>
    <message>
        <source>no Qt platform plugin &apos;%1&apos; in %2 (there are: %3)</source>
        <translation>pas de greffon de plateforme Qt « %1 » dans %2 (disponibles : %3)</translation>
    </message>
    <message>
        <source>cannot start the Qt platform %1</source>
        <translation>impossible de démarrer la plateforme Qt %1</translation>
    </message>
    <message>
        <source>no Qt platform named in &apos;%1&apos;</source>
        <translation>aucune plateforme Qt nommée dans « %1 »</translation>
    </message>
    <message>
        <source>Qt could not start it</source>
        <translation>Qt n&apos;a pas pu la démarrer</translation>
    </message>
    <message>
        <source>the session bus does not answer: the game plays without accessibility</source>
        <translation>le bus de session ne répond pas : le jeu tourne sans accessibilité</translation>
    </message>
    <message>
        <source>the accessibility bus does not answer: the game plays without accessibility</source>
        <translation>le bus d&apos;accessibilité ne répond pas : le jeu tourne sans accessibilité</translation>
    </message>
    <message>
        <source>a game already runs on this display: raised its windows</source>
        <translation>un jeu tourne déjà sur cet affichage : ses fenêtres ont été mises au premier plan</translation>
    </message>
</context>
</TS>
