<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de">
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
        <translation>Zorvik, ein Arcade-Spiel für die Tastatur in zwei Fenstern: der Turm
(„Zorvik!“), in dem der Ball über Plattformen steigt, die nach unten wandern,
und der Hüpfer („Zorvik Again!“), in dem die eine Plattform jedes Mal
wegspringt, wenn der Ball auf ihr landet.

Tasten, in jedem Fenster (jedes spielt für sich und hat einen eigenen Rekord):
  Eingabetaste           ein Spiel starten (auch Enter im Ziffernblock, sofern
                         kein Bildschirmleser wie Orca sie selbst belegt)
  Pfeil links, rechts    den Ball lenken; loslassen hält ihn seitlich an
  Pfeil hoch             springen, auch in der Luft
  Eingabetaste, Leertaste, Esc
                         das Fenster „Spiel vorbei“ schließen

Ton: Solange ein Bildschirmleser läuft, lässt sich das Spiel nach Gehör
spielen: Der Ball ist dort zu hören, wo er ist (von links nach rechts, und
höher, je weiter er steigt), die Plattform des Hüpfers summt dort, wo sie ist,
und kurze Signale melden eine Landung, einen Stoß von unten, einen Sprung und
einen Ball, der fällt, weil keine Plattform mehr unter ihm ist. Siehe --sound
und --no-sound.

Das Schließen eines Fensters beendet dessen Spiel, im anderen geht es weiter.
Das Programm endet, wenn beide Fenster geschlossen sind, oder mit Strg+C in
seinem Terminal.

Auf einem Display läuft nur ein Spiel: Ein erneuter Start holt die Fenster des
laufenden Spiels nach vorn und endet dann.</translation>
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
Auch die Standardoptionen von Qt werden angenommen, darunter:
  -platform NAME         Qt-Plattform (xcb, wayland, offscreen, ...)
  -display DISPLAY       X-Server, auf dem sich die Fenster öffnen (nur xcb)
  -geometry WxH+X+Y      Größe und Position des ersten Fensters
  -style NAME            Widget-Stil
  -reverse               Anordnung von rechts nach links

Umgebung:
  QT_QPA_PLATFORM        Qt-Plattform, wenn -platform fehlt; standardmäßig xcb
                         (X11 oder XWayland auf einem Wayland-Desktop), damit
                         die Fenster an ihren festen Plätzen stehen können
  DISPLAY                X-Server für die Plattform xcb
  WAYLAND_DISPLAY, XDG_RUNTIME_DIR
                         Wayland-Compositor für die Plattform wayland
  QT_SCALE_FACTOR        skaliert die Fenster, z. B. 2 auf einem Bildschirm
                         mit hoher Pixeldichte
  QT_PLUGIN_PATH         weitere Ordner, in denen Qt-Plugins gesucht werden
  PULSE_SERVER           Sound-Server für die Tonsignale (PulseAudio oder der
                         PulseAudio-Dienst von PipeWire); standardmäßig der
                         des Desktops
  LANGUAGE, LC_ALL, LC_MESSAGES, LANG
                         die Sprache der Spieltexte, wie auf dem Desktop

Exit-Status:
  0  beide Fenster wurden geschlossen, das Programm wurde durch SIGINT oder
     SIGTERM beendet, --help oder --version wurde ausgegeben, oder ein auf
     dem Display bereits laufendes Spiel wurde nach vorn geholt
  1  kein Display, oder die Qt-Plattform kann nicht starten
  2  fehlerhafte Befehlszeile
</translation>
    </message>
    <message>
        <source>Play the sound cues even without a screen reader.</source>
        <translation>Die Tonsignale auch ohne Bildschirmleser abspielen.</translation>
    </message>
    <message>
        <source>No sound, even with a screen reader.</source>
        <translation>Kein Ton, auch nicht mit Bildschirmleser.</translation>
    </message>
    <message>
        <source>Play slower, for players who need time: the whole game at PERCENT of its full speed, from %1 to %2 (the default).</source>
        <translation>Langsamer spielen, für alle, die mehr Zeit brauchen: das ganze Spiel mit PROZENT seiner vollen Geschwindigkeit, von %1 bis %2 (Standard).</translation>
    </message>
    <message>
        <source>PERCENT</source>
        <translation>PROZENT</translation>
    </message>
    <message>
        <source>%1 Try &apos;%2 --help&apos; for more information.</source>
        <translation>%1 „%2 --help“ liefert weitere Informationen.</translation>
    </message>
    <message>
        <source>Unexpected argument &apos;%1&apos;.</source>
        <translation>Unerwartetes Argument „%1“.</translation>
    </message>
    <message>
        <source>--sound and --no-sound contradict each other.</source>
        <translation>--sound und --no-sound widersprechen sich.</translation>
    </message>
    <message>
        <source>--speed takes a whole number from %1 to %2, not &apos;%3&apos;.</source>
        <translation>--speed erwartet eine ganze Zahl von %1 bis %2, nicht „%3“.</translation>
    </message>
</context>
<context>
    <name>PlayWindow</name>
    <message>
        <source>High Score:</source>
        <translation>Rekord:</translation>
    </message>
    <message>
        <source>Score:</source>
        <translation>Punkte:</translation>
    </message>
    <message>
        <source>PRESS THE ENTER BUTTON TO START</source>
        <translation>ZUM STARTEN EINGABETASTE DRÜCKEN</translation>
    </message>
    <message>
        <source>PRESS ENTER TO START</source>
        <translation>ZUM STARTEN ENTER DRÜCKEN</translation>
    </message>
    <message>
        <source>Ball</source>
        <translation>Ball</translation>
    </message>
    <message>
        <source>Platform</source>
        <translation>Plattform</translation>
    </message>
    <message>
        <source>Score</source>
        <translation>Punkte</translation>
    </message>
    <message>
        <source>High Score</source>
        <translation>Rekord</translation>
    </message>
    <message>
        <source>Final score: %1</source>
        <translation>Ergebnis: %1</translation>
    </message>
    <message>
        <source>Final score: %1. High score: %2. New high score</source>
        <translation>Ergebnis: %1. Rekord: %2. Neuer Rekord</translation>
    </message>
    <message>
        <source>Final score: %1. High score: %2</source>
        <translation>Ergebnis: %1. Rekord: %2</translation>
    </message>
    <message>
        <source>Game Over</source>
        <translation>Spiel vorbei</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>%1: Game Over</source>
        <translation>%1: Spiel vorbei</translation>
    </message>
</context>
<context>
    <name>QCommandLineParser</name>
    <message>
        <source>Usage: %1</source>
        <translation>Aufruf: %1</translation>
    </message>
    <message>
        <source>[options]</source>
        <translation>[Optionen]</translation>
    </message>
    <message>
        <source>Options:</source>
        <translation>Optionen:</translation>
    </message>
    <message>
        <source>Displays help on commandline options.</source>
        <translation>Zeigt Hilfe zu den Kommandozeilenoptionen an.</translation>
    </message>
    <message>
        <source>Displays help including Qt specific options.</source>
        <translation>Zeigt Hilfe einschließlich Qt-spezifischer Optionen an.</translation>
    </message>
    <message>
        <source>Displays version information.</source>
        <translation>Zeigt Versionsinformation an.</translation>
    </message>
    <message>
        <source>Unknown option &apos;%1&apos;.</source>
        <translation>Unbekannte Option &apos;%1&apos;.</translation>
    </message>
    <message>
        <source>Unknown options: %1.</source>
        <translation>Unbekannte Optionen: %1.</translation>
    </message>
    <message>
        <source>Missing value after &apos;%1&apos;.</source>
        <translation>Nach &apos;%1&apos; fehlt der Wert.</translation>
    </message>
    <message>
        <source>Unexpected value after &apos;%1&apos;.</source>
        <translation>Wert unerwartet nach &apos;%1&apos;.</translation>
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
        <translation>%1: %2; das Spiel läuft weiter, stumm, bis ein Server antwortet</translation>
    </message>
    <message>
        <source>no sound</source>
        <translation>kein Ton</translation>
    </message>
    <message>
        <source>its event loop could not be made</source>
        <translation>die Ereignisschleife für den Ton ließ sich nicht anlegen</translation>
    </message>
    <message>
        <source>the sound server does not answer</source>
        <translation>der Sound-Server antwortet nicht</translation>
    </message>
    <message>
        <source>the sound library could not start</source>
        <translation>die Sound-Bibliothek konnte nicht starten</translation>
    </message>
    <message>
        <source>sound stopped</source>
        <translation>Ton verstummt</translation>
    </message>
    <message>
        <source>libpulse.so.0 could not be loaded</source>
        <translation>libpulse.so.0 konnte nicht geladen werden</translation>
    </message>
</context>
<context>
    <name>Startup</name>
    <message>
        <source>the desktop scales its screen by %1, which blurs X11 programs; for sharp windows start the game with -platform wayland, or let X11 programs scale themselves in the desktop&apos;s display settings</source>
        <translation>der Desktop skaliert seinen Bildschirm um den Faktor %1, wodurch X11-Programme unscharf werden; für scharfe Fenster starten Sie das Spiel mit -platform wayland, oder lassen Sie X11-Programme in den Bildschirmeinstellungen des Desktops selbst skalieren</translation>
    </message>
    <message>
        <source>no display: DISPLAY is not set, so there is no X server (or XWayland) to open the windows on</source>
        <translation>kein Display: DISPLAY ist nicht gesetzt, also gibt es keinen X-Server (oder XWayland), auf dem sich die Fenster öffnen lassen</translation>
    </message>
    <message>
        <source>no display: cannot connect to the X server at DISPLAY=%1</source>
        <translation>kein Display: keine Verbindung zum X-Server bei DISPLAY=%1 möglich</translation>
    </message>
    <message>
        <source>no Wayland compositor: XDG_RUNTIME_DIR is not set</source>
        <translation>kein Wayland-Compositor: XDG_RUNTIME_DIR ist nicht gesetzt</translation>
    </message>
    <message>
        <source>no Wayland compositor: the socket path %1 is too long</source>
        <translation>kein Wayland-Compositor: der Socket-Pfad %1 ist zu lang</translation>
    </message>
    <message>
        <source>no Wayland compositor at %1 (WAYLAND_DISPLAY)</source>
        <translation>kein Wayland-Compositor unter %1 (WAYLAND_DISPLAY)</translation>
    </message>
    <message>
        <source>no Qt platform plugin &apos;%1&apos; in %2 (there are: %3)</source>
        <translation>kein Qt-Plattform-Plugin „%1“ in %2 (vorhanden sind: %3)</translation>
    </message>
    <message>
        <source>cannot start the Qt platform %1</source>
        <translation>Qt-Plattform kann nicht starten: %1</translation>
    </message>
    <message>
        <source>no Qt platform named in &apos;%1&apos;</source>
        <translation>keine Qt-Plattform in „%1“ genannt</translation>
    </message>
    <message>
        <source>Qt could not start it</source>
        <translation>Qt konnte sie nicht starten</translation>
    </message>
    <message>
        <source>the session bus does not answer: the game plays without accessibility</source>
        <translation>der Sitzungsbus antwortet nicht: das Spiel läuft ohne Barrierefreiheit</translation>
    </message>
    <message>
        <source>the accessibility bus does not answer: the game plays without accessibility</source>
        <translation>der Barrierefreiheitsbus antwortet nicht: das Spiel läuft ohne Barrierefreiheit</translation>
    </message>
    <message>
        <source>a game already runs on this display: raised its windows</source>
        <translation>auf diesem Display läuft bereits ein Spiel: dessen Fenster wurden nach vorn geholt</translation>
    </message>
</context>
</TS>
