<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ja">
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
        <translation>Zorvik は、2 つのウィンドウで遊ぶキーボード操作のアーケードゲームです。
タワー (「Zorvik!」) では、下へスクロールしていく足場をボールが登ります。
ホッパー (「Zorvik Again!」) では、ボールが着地するたびに 1 つの足場が別の
場所へ跳び移ります。

キー (どちらのウィンドウでも同じ。それぞれ単独で遊べ、ハイスコアも別々です):
  Enter                  ゲームを開始 (テンキーの Enter も可。ただし Orca
                         などのスクリーンリーダーがテンキーの Enter を
                         自分で使う場合は除く)
  左右の矢印キー         ボールを左右に動かす。離すと横の動きが止まる
  上矢印キー             跳ぶ (空中でも可)
  Enter, スペース, Esc   「ゲームオーバー」のボックスを閉じる

音: スクリーンリーダーが動いている間は、耳で聞いて遊べます。ボールの音は
ボールのいる位置から聞こえ (左から右へ、登るほど高く)、ホッパーの足場は
その位置でうなります。着地、頭をぶつけたこと、跳躍、下に足場がなくなって
落ちていくボールは、短い効果音で知らせます。--sound と --no-sound も参照。

ウィンドウを閉じるとそのゲームは終わり、もう一方のゲームは続きます。
両方のウィンドウを閉じるか、端末で Ctrl+C を押すとプログラムは終了します。

1 つのディスプレイで動くゲームは 1 つだけです。もう一度起動すると、動いて
いるゲームのウィンドウを前面に出して終了します。</translation>
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
Qt の標準オプションも使えます。主なもの:
  -platform 名前         使用する Qt プラットフォーム
                         (xcb, wayland, offscreen, ...)
  -display ディスプレイ  ウィンドウを開く X サーバー (xcb のみ)
  -geometry WxH+X+Y      最初のウィンドウの大きさと位置
  -style 名前            ウィジェットのスタイル
  -reverse               右から左へのレイアウト

環境変数:
  QT_QPA_PLATFORM        -platform を指定しないときの Qt プラットフォーム。
                         既定は xcb (X11、または Wayland デスクトップでは
                         XWayland) で、ウィンドウを決まった位置に置けます
  DISPLAY                xcb プラットフォームで使う X サーバー
  WAYLAND_DISPLAY, XDG_RUNTIME_DIR
                         wayland プラットフォームで使う Wayland コンポジター
  QT_SCALE_FACTOR        ウィンドウの拡大率 (例: 高密度の画面では 2)
  QT_PLUGIN_PATH         Qt プラグインを探す追加のフォルダー
  PULSE_SERVER           効果音を鳴らすサウンドサーバー (PulseAudio、または
                         PipeWire の PulseAudio サービス)。既定では
                         デスクトップのサーバー
  LANGUAGE, LC_ALL, LC_MESSAGES, LANG
                         ゲームのテキストの言語 (デスクトップと同じ)

終了ステータス:
  0  両方のウィンドウが閉じられた、SIGINT か SIGTERM でプログラムが終了
     した、--help か --version を表示した、またはそのディスプレイで既に
     動いているゲームを前面に出した
  1  ディスプレイがない、または Qt プラットフォームを開始できない
  2  コマンドラインの誤り
</translation>
    </message>
    <message>
        <source>Play the sound cues even without a screen reader.</source>
        <translation>スクリーンリーダーがなくても効果音を鳴らします。</translation>
    </message>
    <message>
        <source>No sound, even with a screen reader.</source>
        <translation>スクリーンリーダーがあっても音を出しません。</translation>
    </message>
    <message>
        <source>Play slower, for players who need time: the whole game at PERCENT of its full speed, from %1 to %2 (the default).</source>
        <translation>時間が必要なプレイヤー向けに、ゲーム全体を遅くします: 本来の速さに対する百分率で、%1 から既定値の %2 まで。</translation>
    </message>
    <message>
        <source>PERCENT</source>
        <translation>百分率</translation>
    </message>
    <message>
        <source>%1 Try &apos;%2 --help&apos; for more information.</source>
        <translation>%1 詳しくは &apos;%2 --help&apos; を実行してください。</translation>
    </message>
    <message>
        <source>Unexpected argument &apos;%1&apos;.</source>
        <translation>予期しない引数 &apos;%1&apos; があります。</translation>
    </message>
    <message>
        <source>--sound and --no-sound contradict each other.</source>
        <translation>--sound と --no-sound は同時に指定できません。</translation>
    </message>
    <message>
        <source>--speed takes a whole number from %1 to %2, not &apos;%3&apos;.</source>
        <translation>--speed には &apos;%3&apos; ではなく、%1 から %2 までの整数を指定してください。</translation>
    </message>
</context>
<context>
    <name>PlayWindow</name>
    <message>
        <source>High Score:</source>
        <translation>ハイスコア:</translation>
    </message>
    <message>
        <source>Score:</source>
        <translation>スコア:</translation>
    </message>
    <message>
        <source>PRESS THE ENTER BUTTON TO START</source>
        <translation>Enterキーを押してスタート</translation>
    </message>
    <message>
        <source>PRESS ENTER TO START</source>
        <translation>Enterでスタート</translation>
    </message>
    <message>
        <source>Ball</source>
        <translation>ボール</translation>
    </message>
    <message>
        <source>Platform</source>
        <translation>足場</translation>
    </message>
    <message>
        <source>Score</source>
        <translation>スコア</translation>
    </message>
    <message>
        <source>High Score</source>
        <translation>ハイスコア</translation>
    </message>
    <message>
        <source>Final score: %1</source>
        <translation>最終スコア: %1</translation>
    </message>
    <message>
        <source>Final score: %1. High score: %2. New high score</source>
        <translation>最終スコア: %1。ハイスコア: %2。ハイスコア更新</translation>
    </message>
    <message>
        <source>Final score: %1. High score: %2</source>
        <translation>最終スコア: %1。ハイスコア: %2</translation>
    </message>
    <message>
        <source>Game Over</source>
        <translation>ゲームオーバー</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>%1: Game Over</source>
        <translation>%1: ゲームオーバー</translation>
    </message>
</context>
<context>
    <name>QCommandLineParser</name>
    <message>
        <source>Usage: %1</source>
        <translation>使い方: %1</translation>
    </message>
    <message>
        <source>[options]</source>
        <translation>[オプション]</translation>
    </message>
    <message>
        <source>Options:</source>
        <translation>オプション:</translation>
    </message>
    <message>
        <source>Displays help on commandline options.</source>
        <translation>コマンドラインオプションのヘルプを表示する。</translation>
    </message>
    <message>
        <source>Displays help including Qt specific options.</source>
        <translation>Qt 固有のオプションを含むヘルプを表示する。</translation>
    </message>
    <message>
        <source>Displays version information.</source>
        <translation>バージョン情報を表示する。</translation>
    </message>
    <message>
        <source>Unknown option &apos;%1&apos;.</source>
        <translation>&apos;%1&apos; は未知のオプションです。</translation>
    </message>
    <message>
        <source>Unknown options: %1.</source>
        <translation>未知のオプション: %1.</translation>
    </message>
    <message>
        <source>Missing value after &apos;%1&apos;.</source>
        <translation>&apos;%1&apos; の後の値が欠けています。</translation>
    </message>
    <message>
        <source>Unexpected value after &apos;%1&apos;.</source>
        <translation>&apos;%1&apos; の後が予期せぬ値です。</translation>
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
        <translation>%1: %2。ゲームは続きますが、サーバーが応答するまで音は出ません</translation>
    </message>
    <message>
        <source>no sound</source>
        <translation>音なし</translation>
    </message>
    <message>
        <source>its event loop could not be made</source>
        <translation>イベントループを作成できませんでした</translation>
    </message>
    <message>
        <source>the sound server does not answer</source>
        <translation>サウンドサーバーが応答しません</translation>
    </message>
    <message>
        <source>the sound library could not start</source>
        <translation>サウンドライブラリを開始できませんでした</translation>
    </message>
    <message>
        <source>sound stopped</source>
        <translation>音が止まりました</translation>
    </message>
    <message>
        <source>libpulse.so.0 could not be loaded</source>
        <translation>libpulse.so.0 を読み込めませんでした</translation>
    </message>
</context>
<context>
    <name>Startup</name>
    <message>
        <source>the desktop scales its screen by %1, which blurs X11 programs; for sharp windows start the game with -platform wayland, or let X11 programs scale themselves in the desktop&apos;s display settings</source>
        <translation>デスクトップが画面を %1 倍に拡大しているため、X11 プログラムはぼやけて表示されます。くっきりしたウィンドウにするには、-platform wayland を付けてゲームを起動するか、デスクトップのディスプレイ設定で X11 プログラム自身に拡大させてください</translation>
    </message>
    <message>
        <source>no display: DISPLAY is not set, so there is no X server (or XWayland) to open the windows on</source>
        <translation>ディスプレイがありません: DISPLAY が設定されていないため、ウィンドウを開く X サーバー (または XWayland) がありません</translation>
    </message>
    <message>
        <source>no display: cannot connect to the X server at DISPLAY=%1</source>
        <translation>ディスプレイがありません: DISPLAY=%1 の X サーバーに接続できません</translation>
    </message>
    <message>
        <source>no Wayland compositor: XDG_RUNTIME_DIR is not set</source>
        <translation>Wayland コンポジターがありません: XDG_RUNTIME_DIR が設定されていません</translation>
    </message>
    <message>
        <source>no Wayland compositor: the socket path %1 is too long</source>
        <translation>Wayland コンポジターがありません: ソケットのパス %1 が長すぎます</translation>
    </message>
    <message>
        <source>no Wayland compositor at %1 (WAYLAND_DISPLAY)</source>
        <translation>%1 に Wayland コンポジターがありません (WAYLAND_DISPLAY)</translation>
    </message>
    <message>
        <source>no Qt platform plugin &apos;%1&apos; in %2 (there are: %3)</source>
        <translation>%2 に Qt プラットフォームプラグイン &apos;%1&apos; がありません (あるもの: %3)</translation>
    </message>
    <message>
        <source>cannot start the Qt platform %1</source>
        <translation>Qt プラットフォームを開始できません: %1</translation>
    </message>
    <message>
        <source>no Qt platform named in &apos;%1&apos;</source>
        <translation>&apos;%1&apos; に Qt プラットフォームの名前がありません</translation>
    </message>
    <message>
        <source>Qt could not start it</source>
        <translation>Qt が開始できませんでした</translation>
    </message>
    <message>
        <source>the session bus does not answer: the game plays without accessibility</source>
        <translation>セッションバスが応答しません: ゲームはアクセシビリティなしで動きます</translation>
    </message>
    <message>
        <source>the accessibility bus does not answer: the game plays without accessibility</source>
        <translation>アクセシビリティバスが応答しません: ゲームはアクセシビリティなしで動きます</translation>
    </message>
    <message>
        <source>a game already runs on this display: raised its windows</source>
        <translation>このディスプレイではゲームが既に動いています: そのウィンドウを前面に出しました</translation>
    </message>
</context>
</TS>
