<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es">
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
        <translation>Zorvik, un juego de arcade para teclado en dos ventanas: la torre
(&quot;Zorvik!&quot;), donde la pelota sube por plataformas que bajan sin cesar, y el
saltarín (&quot;Zorvik Again!&quot;), donde una plataforma salta a otro sitio cada vez
que la pelota aterriza sobre ella.

Teclas, en cualquiera de las ventanas (cada una se juega por separado y guarda
su propio récord):
  Intro                  empezar una partida (también el Intro del teclado
                         numérico, salvo que un lector de pantalla como Orca
                         se reserve esa tecla)
  Flechas izq. y der.    dirigir la pelota; al soltarlas deja de ir de lado
  Flecha arriba          saltar, también en el aire
  Intro, Espacio, Esc    cerrar el cuadro &quot;Fin de la partida&quot;

Sonido: mientras funciona un lector de pantalla, el juego se puede jugar de
oído: la pelota suena donde está (de izquierda a derecha, y más aguda cuanto
más sube), la plataforma del saltarín zumba donde está, y unos avisos breves
indican un aterrizaje, un cabezazo, un salto y una pelota que cae sin ninguna
plataforma debajo. Consulte --sound y --no-sound.

Cerrar una ventana termina su partida y deja la otra en juego. El programa
termina cuando se cierran las dos ventanas, o con Ctrl+C en su terminal.

En cada pantalla se ejecuta un solo juego: si se inicia otra vez, trae al
frente las ventanas del juego que ya está en marcha y termina ahí.</translation>
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
También se aceptan las opciones estándar de Qt, entre ellas:
  -platform NOMBRE       plataforma de Qt que usar (xcb, wayland, offscreen...)
  -display PANTALLA      servidor X donde abrir las ventanas (solo xcb)
  -geometry WxH+X+Y      tamaño y posición de la primera ventana
  -style NOMBRE          estilo de los widgets
  -reverse               disposición de derecha a izquierda

Entorno:
  QT_QPA_PLATFORM        plataforma de Qt si no se indica -platform; por
                         omisión xcb (X11, o XWayland en un escritorio
                         Wayland), para que las ventanas puedan estar en sus
                         posiciones fijas
  DISPLAY                servidor X para la plataforma xcb
  WAYLAND_DISPLAY, XDG_RUNTIME_DIR
                         compositor de Wayland para la plataforma wayland
  QT_SCALE_FACTOR        escala las ventanas, p. ej. 2 en una pantalla de
                         alta densidad
  QT_PLUGIN_PATH         otras carpetas donde buscar complementos de Qt
  PULSE_SERVER           servidor de sonido para los avisos sonoros
                         (PulseAudio, o el servicio PulseAudio de PipeWire);
                         por omisión, el del escritorio
  LANGUAGE, LC_ALL, LC_MESSAGES, LANG
                         el idioma de los textos del juego, como en el
                         escritorio

Estado de salida:
  0  se cerraron las dos ventanas, el programa terminó por SIGINT o SIGTERM,
     se mostró --help o --version, o se trajo al frente un juego que ya
     estaba en marcha en la pantalla
  1  no hay pantalla, o no se puede iniciar la plataforma de Qt
  2  línea de comandos incorrecta
</translation>
    </message>
    <message>
        <source>Play the sound cues even without a screen reader.</source>
        <translation>Reproducir los avisos sonoros incluso sin lector de pantalla.</translation>
    </message>
    <message>
        <source>No sound, even with a screen reader.</source>
        <translation>Sin sonido, incluso con lector de pantalla.</translation>
    </message>
    <message>
        <source>Play slower, for players who need time: the whole game at PERCENT of its full speed, from %1 to %2 (the default).</source>
        <translation>Jugar más despacio, para quien necesite tiempo: todo el juego al PORCENTAJE de su velocidad máxima, de %1 a %2 (el valor predeterminado).</translation>
    </message>
    <message>
        <source>PERCENT</source>
        <translation>PORCENTAJE</translation>
    </message>
    <message>
        <source>%1 Try &apos;%2 --help&apos; for more information.</source>
        <translation>%1 Pruebe &apos;%2 --help&apos; para obtener más información.</translation>
    </message>
    <message>
        <source>Unexpected argument &apos;%1&apos;.</source>
        <translation>Argumento inesperado &apos;%1&apos;.</translation>
    </message>
    <message>
        <source>--sound and --no-sound contradict each other.</source>
        <translation>--sound y --no-sound se contradicen.</translation>
    </message>
    <message>
        <source>--speed takes a whole number from %1 to %2, not &apos;%3&apos;.</source>
        <translation>--speed requiere un número entero de %1 a %2, no &apos;%3&apos;.</translation>
    </message>
</context>
<context>
    <name>PlayWindow</name>
    <message>
        <source>High Score:</source>
        <translation>Récord:</translation>
    </message>
    <message>
        <source>Score:</source>
        <translation>Puntos:</translation>
    </message>
    <message>
        <source>PRESS THE ENTER BUTTON TO START</source>
        <translation>PULSE LA TECLA INTRO PARA EMPEZAR</translation>
    </message>
    <message>
        <source>PRESS ENTER TO START</source>
        <translation>PULSE INTRO PARA EMPEZAR</translation>
    </message>
    <message>
        <source>Ball</source>
        <translation>Pelota</translation>
    </message>
    <message>
        <source>Platform</source>
        <translation>Plataforma</translation>
    </message>
    <message>
        <source>Score</source>
        <translation>Puntos</translation>
    </message>
    <message>
        <source>High Score</source>
        <translation>Récord</translation>
    </message>
    <message>
        <source>Final score: %1</source>
        <translation>Puntuación final: %1</translation>
    </message>
    <message>
        <source>Final score: %1. High score: %2. New high score</source>
        <translation>Puntuación final: %1. Récord: %2. Nuevo récord</translation>
    </message>
    <message>
        <source>Final score: %1. High score: %2</source>
        <translation>Puntuación final: %1. Récord: %2</translation>
    </message>
    <message>
        <source>Game Over</source>
        <translation>Fin de la partida</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>%1: Game Over</source>
        <translation>%1: Fin de la partida</translation>
    </message>
</context>
<context>
    <name>QCommandLineParser</name>
    <message>
        <source>Usage: %1</source>
        <translation>Uso: %1</translation>
    </message>
    <message>
        <source>[options]</source>
        <translation>[opciones]</translation>
    </message>
    <message>
        <source>Options:</source>
        <translation>Opciones:</translation>
    </message>
    <message>
        <source>Displays help on commandline options.</source>
        <translation>Muestra la ayuda sobre las opciones de la línea de órdenes.</translation>
    </message>
    <message>
        <source>Displays help including Qt specific options.</source>
        <translation>Muestra la ayuda, con las opciones propias de Qt.</translation>
    </message>
    <message>
        <source>Displays version information.</source>
        <translation>Muestra la información de versión.</translation>
    </message>
    <message>
        <source>Unknown option &apos;%1&apos;.</source>
        <translation>Opción desconocida «%1».</translation>
    </message>
    <message>
        <source>Unknown options: %1.</source>
        <translation>Opciones desconocidas: %1.</translation>
    </message>
    <message>
        <source>Missing value after &apos;%1&apos;.</source>
        <translation>Falta valor tras «%1».</translation>
    </message>
    <message>
        <source>Unexpected value after &apos;%1&apos;.</source>
        <translation>Valor inesperado tras «%1».</translation>
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
        <translation>%1: %2; el juego continúa, en silencio hasta que responda un servidor</translation>
    </message>
    <message>
        <source>no sound</source>
        <translation>sin sonido</translation>
    </message>
    <message>
        <source>its event loop could not be made</source>
        <translation>no se pudo crear su bucle de eventos</translation>
    </message>
    <message>
        <source>the sound server does not answer</source>
        <translation>el servidor de sonido no responde</translation>
    </message>
    <message>
        <source>the sound library could not start</source>
        <translation>la biblioteca de sonido no pudo iniciarse</translation>
    </message>
    <message>
        <source>sound stopped</source>
        <translation>el sonido se ha detenido</translation>
    </message>
    <message>
        <source>libpulse.so.0 could not be loaded</source>
        <translation>no se pudo cargar libpulse.so.0</translation>
    </message>
</context>
<context>
    <name>Startup</name>
    <message>
        <source>the desktop scales its screen by %1, which blurs X11 programs; for sharp windows start the game with -platform wayland, or let X11 programs scale themselves in the desktop&apos;s display settings</source>
        <translation>el escritorio escala su pantalla por %1, lo que desenfoca los programas X11; para ver las ventanas nítidas, inicie el juego con -platform wayland, o deje que los programas X11 se escalen por sí mismos en la configuración de pantalla del escritorio</translation>
    </message>
    <message>
        <source>no display: DISPLAY is not set, so there is no X server (or XWayland) to open the windows on</source>
        <translation>sin pantalla: DISPLAY no está definida, así que no hay ningún servidor X (ni XWayland) donde abrir las ventanas</translation>
    </message>
    <message>
        <source>no display: cannot connect to the X server at DISPLAY=%1</source>
        <translation>sin pantalla: no se puede conectar con el servidor X en DISPLAY=%1</translation>
    </message>
    <message>
        <source>no Wayland compositor: XDG_RUNTIME_DIR is not set</source>
        <translation>sin compositor de Wayland: XDG_RUNTIME_DIR no está definida</translation>
    </message>
    <message>
        <source>no Wayland compositor: the socket path %1 is too long</source>
        <translation>sin compositor de Wayland: la ruta del socket %1 es demasiado larga</translation>
    </message>
    <message>
        <source>no Wayland compositor at %1 (WAYLAND_DISPLAY)</source>
        <translation>no hay ningún compositor de Wayland en %1 (WAYLAND_DISPLAY)</translation>
    </message>
    <message>
        <source>no Qt platform plugin &apos;%1&apos; in %2 (there are: %3)</source>
        <translation>no hay ningún complemento de plataforma de Qt &apos;%1&apos; en %2 (hay: %3)</translation>
    </message>
    <message>
        <source>cannot start the Qt platform %1</source>
        <translation>no se puede iniciar la plataforma de Qt %1</translation>
    </message>
    <message>
        <source>no Qt platform named in &apos;%1&apos;</source>
        <translation>no se indica ninguna plataforma de Qt en &apos;%1&apos;</translation>
    </message>
    <message>
        <source>Qt could not start it</source>
        <translation>Qt no pudo iniciarla</translation>
    </message>
    <message>
        <source>the session bus does not answer: the game plays without accessibility</source>
        <translation>el bus de sesión no responde: el juego funciona sin accesibilidad</translation>
    </message>
    <message>
        <source>the accessibility bus does not answer: the game plays without accessibility</source>
        <translation>el bus de accesibilidad no responde: el juego funciona sin accesibilidad</translation>
    </message>
    <message>
        <source>a game already runs on this display: raised its windows</source>
        <translation>ya hay un juego en marcha en esta pantalla: se han traído al frente sus ventanas</translation>
    </message>
</context>
</TS>
