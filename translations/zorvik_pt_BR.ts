<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pt_BR">
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
        <translation>Zorvik, um jogo de arcade controlado pelo teclado, em duas janelas: a torre
(&quot;Zorvik!&quot;), onde a bola sobe por plataformas que descem sem parar, e o
pula-pula (&quot;Zorvik Again!&quot;), onde uma plataforma pula para outro lugar cada
vez que a bola pousa nela.

Teclas, em qualquer uma das janelas (cada uma é jogada por conta própria e
guarda seu próprio recorde):
  Enter                  começar uma partida (também o Enter do teclado
                         numérico, a menos que um leitor de tela como o Orca
                         fique com essa tecla para si)
  Setas esq. e dir.      guiar a bola; ao soltá-las ela para de ir de lado
  Seta para cima         saltar, também no ar
  Enter, Espaço, Esc     fechar a caixa &quot;Fim de jogo&quot;

Som: enquanto um leitor de tela está em execução, o jogo pode ser jogado de
ouvido: a bola é ouvida onde está (da esquerda para a direita, e mais aguda
conforme sobe), a plataforma do pula-pula zumbe onde está, e sinais curtos
indicam um pouso, uma cabeçada, um salto e uma bola caindo sem nenhuma
plataforma embaixo. Veja --sound e --no-sound.

Fechar uma janela encerra a partida dela e deixa a outra em jogo. O programa
termina quando as duas janelas são fechadas, ou com Ctrl+C no seu terminal.

Só um jogo roda em cada tela: iniciá-lo de novo traz para a frente as janelas
do jogo em execução e termina aí.</translation>
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
As opções padrão do Qt também são aceitas, entre elas:
  -platform NOME         plataforma Qt a usar (xcb, wayland, offscreen, ...)
  -display TELA          servidor X onde abrir as janelas (só xcb)
  -geometry WxH+X+Y      tamanho e posição da primeira janela
  -style NOME            estilo dos widgets
  -reverse               layout da direita para a esquerda

Ambiente:
  QT_QPA_PLATFORM        plataforma Qt quando -platform não é informada; por
                         padrão xcb (X11, ou XWayland numa área de trabalho
                         Wayland), para que as janelas possam ficar em suas
                         posições fixas
  DISPLAY                servidor X para a plataforma xcb
  WAYLAND_DISPLAY, XDG_RUNTIME_DIR
                         compositor Wayland para a plataforma wayland
  QT_SCALE_FACTOR        escala as janelas, p. ex. 2 numa tela de alta
                         densidade
  QT_PLUGIN_PATH         outras pastas onde procurar plugins do Qt
  PULSE_SERVER           servidor de som para os sinais sonoros (PulseAudio,
                         ou o serviço PulseAudio do PipeWire); por padrão, o
                         da área de trabalho
  LANGUAGE, LC_ALL, LC_MESSAGES, LANG
                         o idioma dos textos do jogo, como na área de
                         trabalho

Status de saída:
  0  as duas janelas foram fechadas, o programa foi encerrado por SIGINT ou
     SIGTERM, --help ou --version foi exibido, ou um jogo que já estava em
     execução na tela foi trazido para a frente
  1  sem tela, ou a plataforma Qt não pode ser iniciada
  2  linha de comando incorreta
</translation>
    </message>
    <message>
        <source>Play the sound cues even without a screen reader.</source>
        <translation>Tocar os sinais sonoros mesmo sem leitor de tela.</translation>
    </message>
    <message>
        <source>No sound, even with a screen reader.</source>
        <translation>Sem som, mesmo com leitor de tela.</translation>
    </message>
    <message>
        <source>Play slower, for players who need time: the whole game at PERCENT of its full speed, from %1 to %2 (the default).</source>
        <translation>Jogar mais devagar, para quem precisa de tempo: o jogo todo a PORCENTAGEM da sua velocidade máxima, de %1 a %2 (o padrão).</translation>
    </message>
    <message>
        <source>PERCENT</source>
        <translation>PORCENTAGEM</translation>
    </message>
    <message>
        <source>%1 Try &apos;%2 --help&apos; for more information.</source>
        <translation>%1 Tente &apos;%2 --help&apos; para mais informações.</translation>
    </message>
    <message>
        <source>Unexpected argument &apos;%1&apos;.</source>
        <translation>Argumento inesperado &apos;%1&apos;.</translation>
    </message>
    <message>
        <source>--sound and --no-sound contradict each other.</source>
        <translation>--sound e --no-sound se contradizem.</translation>
    </message>
    <message>
        <source>--speed takes a whole number from %1 to %2, not &apos;%3&apos;.</source>
        <translation>--speed aceita um número inteiro de %1 a %2, não &apos;%3&apos;.</translation>
    </message>
</context>
<context>
    <name>PlayWindow</name>
    <message>
        <source>High Score:</source>
        <translation>Recorde:</translation>
    </message>
    <message>
        <source>Score:</source>
        <translation>Pontos:</translation>
    </message>
    <message>
        <source>PRESS THE ENTER BUTTON TO START</source>
        <translation>APERTE A TECLA ENTER PARA COMEÇAR</translation>
    </message>
    <message>
        <source>PRESS ENTER TO START</source>
        <translation>APERTE ENTER PARA COMEÇAR</translation>
    </message>
    <message>
        <source>Ball</source>
        <translation>Bola</translation>
    </message>
    <message>
        <source>Platform</source>
        <translation>Plataforma</translation>
    </message>
    <message>
        <source>Score</source>
        <translation>Pontos</translation>
    </message>
    <message>
        <source>High Score</source>
        <translation>Recorde</translation>
    </message>
    <message>
        <source>Final score: %1</source>
        <translation>Pontuação final: %1</translation>
    </message>
    <message>
        <source>Final score: %1. High score: %2. New high score</source>
        <translation>Pontuação final: %1. Recorde: %2. Novo recorde</translation>
    </message>
    <message>
        <source>Final score: %1. High score: %2</source>
        <translation>Pontuação final: %1. Recorde: %2</translation>
    </message>
    <message>
        <source>Game Over</source>
        <translation>Fim de jogo</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>%1: Game Over</source>
        <translation>%1: Fim de jogo</translation>
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
        <translation>[opções]</translation>
    </message>
    <message>
        <source>Options:</source>
        <translation>Opções:</translation>
    </message>
    <message>
        <source>Displays help on commandline options.</source>
        <translation>Mostra a ajuda nas opções da linha de comando.</translation>
    </message>
    <message>
        <source>Displays help including Qt specific options.</source>
        <translation>Mostra a ajuda com inclusão das opções específicas do Qt.</translation>
    </message>
    <message>
        <source>Displays version information.</source>
        <translation>Mostra informações sobre a versão.</translation>
    </message>
    <message>
        <source>Unknown option &apos;%1&apos;.</source>
        <translation>Opção desconhecida &apos;%1&apos;.</translation>
    </message>
    <message>
        <source>Unknown options: %1.</source>
        <translation>Opções desconhecidas: %1.</translation>
    </message>
    <message>
        <source>Missing value after &apos;%1&apos;.</source>
        <translation>Faltando valor após &apos;%1&apos;.</translation>
    </message>
    <message>
        <source>Unexpected value after &apos;%1&apos;.</source>
        <translation>Valor inesperado após &apos;%1&apos;.</translation>
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
        <translation>%1: %2; o jogo continua, em silêncio até que um servidor responda</translation>
    </message>
    <message>
        <source>no sound</source>
        <translation>sem som</translation>
    </message>
    <message>
        <source>its event loop could not be made</source>
        <translation>não foi possível criar seu laço de eventos</translation>
    </message>
    <message>
        <source>the sound server does not answer</source>
        <translation>o servidor de som não responde</translation>
    </message>
    <message>
        <source>the sound library could not start</source>
        <translation>não foi possível iniciar a biblioteca de som</translation>
    </message>
    <message>
        <source>sound stopped</source>
        <translation>o som parou</translation>
    </message>
    <message>
        <source>libpulse.so.0 could not be loaded</source>
        <translation>não foi possível carregar libpulse.so.0</translation>
    </message>
</context>
<context>
    <name>Startup</name>
    <message>
        <source>the desktop scales its screen by %1, which blurs X11 programs; for sharp windows start the game with -platform wayland, or let X11 programs scale themselves in the desktop&apos;s display settings</source>
        <translation>a área de trabalho escala a tela em %1, o que deixa os programas X11 borrados; para ter janelas nítidas, inicie o jogo com -platform wayland, ou deixe os programas X11 fazerem a própria escala nas configurações de tela da área de trabalho</translation>
    </message>
    <message>
        <source>no display: DISPLAY is not set, so there is no X server (or XWayland) to open the windows on</source>
        <translation>sem tela: DISPLAY não está definida, então não há servidor X (nem XWayland) onde abrir as janelas</translation>
    </message>
    <message>
        <source>no display: cannot connect to the X server at DISPLAY=%1</source>
        <translation>sem tela: não é possível conectar ao servidor X em DISPLAY=%1</translation>
    </message>
    <message>
        <source>no Wayland compositor: XDG_RUNTIME_DIR is not set</source>
        <translation>sem compositor Wayland: XDG_RUNTIME_DIR não está definida</translation>
    </message>
    <message>
        <source>no Wayland compositor: the socket path %1 is too long</source>
        <translation>sem compositor Wayland: o caminho do socket %1 é longo demais</translation>
    </message>
    <message>
        <source>no Wayland compositor at %1 (WAYLAND_DISPLAY)</source>
        <translation>nenhum compositor Wayland em %1 (WAYLAND_DISPLAY)</translation>
    </message>
    <message>
        <source>no Qt platform plugin &apos;%1&apos; in %2 (there are: %3)</source>
        <translation>nenhum plugin de plataforma Qt &apos;%1&apos; em %2 (existem: %3)</translation>
    </message>
    <message>
        <source>cannot start the Qt platform %1</source>
        <translation>não é possível iniciar a plataforma Qt %1</translation>
    </message>
    <message>
        <source>no Qt platform named in &apos;%1&apos;</source>
        <translation>nenhuma plataforma Qt indicada em &apos;%1&apos;</translation>
    </message>
    <message>
        <source>Qt could not start it</source>
        <translation>o Qt não conseguiu iniciá-la</translation>
    </message>
    <message>
        <source>the session bus does not answer: the game plays without accessibility</source>
        <translation>o barramento de sessão não responde: o jogo funciona sem acessibilidade</translation>
    </message>
    <message>
        <source>the accessibility bus does not answer: the game plays without accessibility</source>
        <translation>o barramento de acessibilidade não responde: o jogo funciona sem acessibilidade</translation>
    </message>
    <message>
        <source>a game already runs on this display: raised its windows</source>
        <translation>um jogo já está em execução nesta tela: suas janelas foram trazidas para a frente</translation>
    </message>
</context>
</TS>
