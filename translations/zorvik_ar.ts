<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ar">
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
        <translation>Zorvik لعبة آركيد تلعب بلوحة المفاتيح في نافذتين: البرج (&quot;Zorvik!&quot;)، حيث
تتسلق الكرة منصات تنزل إلى الأسفل، والقافز (&quot;Zorvik Again!&quot;)، حيث تقفز منصة
واحدة إلى مكان آخر كلما هبطت عليها الكرة.

المفاتيح، في أي من النافذتين (كل منهما تلعب وحدها وتحفظ أعلى نتيجة خاصة بها):
  Enter                  بدء لعبة (ومفتاح Enter في لوحة الأرقام أيضا، ما لم
                         يستأثر به قارئ شاشة مثل Orca لنفسه)
  سهما اليسار واليمين    توجيه الكرة؛ اتركهما لإيقاف حركتها الجانبية
  السهم العلوي           القفز، حتى في الهواء
  Enter، مسافة، Esc      إغلاق مربع &quot;انتهت اللعبة&quot;

الصوت: أثناء عمل قارئ الشاشة، تلعب اللعبة بالسمع: تسمع الكرة حيث تكون (من
اليسار إلى اليمين، وبنغمة أعلى كلما صعدت)، وتطن منصة القافز حيث تكون، وتنبه
إشارات قصيرة إلى الهبوط، وارتطام الرأس، والقفزة، وسقوط الكرة حين لا تبقى تحتها
منصة. انظر --sound و --no-sound.

إغلاق نافذة ينهي لعبتها ويترك الأخرى قيد اللعب. ينتهي البرنامج عند إغلاق
النافذتين، أو بالضغط على Ctrl+C في الطرفية.

تعمل لعبة واحدة على كل شاشة: تشغيلها مرة أخرى يرفع نوافذ اللعبة الجارية
وينتهي عند ذلك.</translation>
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
تقبل أيضا خيارات Qt القياسية، ومنها:
  -platform اسم          منصة Qt المستخدمة (xcb, wayland, offscreen, ...)
  -display شاشة          خادم X الذي تفتح عليه النوافذ (xcb فقط)
  -geometry WxH+X+Y      حجم النافذة الأولى وموضعها
  -style اسم             نمط الودجات
  -reverse               تخطيط من اليمين إلى اليسار

متغيرات البيئة:
  QT_QPA_PLATFORM        منصة Qt حين لا يعطى -platform؛ افتراضيا xcb (X11، أو
                         XWayland على سطح مكتب Wayland)، لكي تستقر النوافذ
                         في أماكنها الثابتة
  DISPLAY                خادم X لمنصة xcb
  WAYLAND_DISPLAY, XDG_RUNTIME_DIR
                         مركب Wayland لمنصة wayland
  QT_SCALE_FACTOR        يكبر النوافذ، مثلا 2 على شاشة عالية الكثافة
  QT_PLUGIN_PATH         مجلدات إضافية يبحث فيها عن ملحقات Qt
  PULSE_SERVER           خادم الصوت للإشارات الصوتية (PulseAudio، أو خدمة
                         PulseAudio في PipeWire)؛ افتراضيا خادم سطح المكتب
  LANGUAGE, LC_ALL, LC_MESSAGES, LANG
                         لغة نصوص اللعبة، كما على سطح المكتب

حالة الخروج:
  0  أغلقت النافذتان، أو أنهي البرنامج بالإشارة SIGINT أو SIGTERM، أو طبع
     ناتج --help أو --version، أو رفعت نوافذ لعبة كانت تعمل على الشاشة
  1  لا شاشة، أو تعذر بدء منصة Qt
  2  سطر أوامر خاطئ
</translation>
    </message>
    <message>
        <source>Play the sound cues even without a screen reader.</source>
        <translation>تشغيل الإشارات الصوتية حتى دون قارئ شاشة.</translation>
    </message>
    <message>
        <source>No sound, even with a screen reader.</source>
        <translation>بلا صوت، حتى مع قارئ شاشة.</translation>
    </message>
    <message>
        <source>Play slower, for players who need time: the whole game at PERCENT of its full speed, from %1 to %2 (the default).</source>
        <translation>اللعب بسرعة أبطأ، للاعبين الذين يحتاجون إلى وقت: تجري اللعبة كلها بسرعة تساوي نسبة من سرعتها الكاملة، من %1 إلى %2 (الافتراضي).</translation>
    </message>
    <message>
        <source>PERCENT</source>
        <translation>نسبة</translation>
    </message>
    <message>
        <source>%1 Try &apos;%2 --help&apos; for more information.</source>
        <translation>%1 جرب &apos;%2 --help&apos; لمزيد من المعلومات.</translation>
    </message>
    <message>
        <source>Unexpected argument &apos;%1&apos;.</source>
        <translation>وسيط غير متوقع &apos;%1&apos;.</translation>
    </message>
    <message>
        <source>--sound and --no-sound contradict each other.</source>
        <translation>الخياران --sound و --no-sound متناقضان.</translation>
    </message>
    <message>
        <source>--speed takes a whole number from %1 to %2, not &apos;%3&apos;.</source>
        <translation>يقبل الخيار --speed عددا صحيحا من %1 إلى %2، وليس &apos;%3&apos;.</translation>
    </message>
</context>
<context>
    <name>PlayWindow</name>
    <message>
        <source>High Score:</source>
        <translation>أعلى نتيجة:</translation>
    </message>
    <message>
        <source>Score:</source>
        <translation>النتيجة:</translation>
    </message>
    <message>
        <source>PRESS THE ENTER BUTTON TO START</source>
        <translation>اضغط مفتاح Enter للبدء</translation>
    </message>
    <message>
        <source>PRESS ENTER TO START</source>
        <translation>اضغط Enter للبدء</translation>
    </message>
    <message>
        <source>Ball</source>
        <translation>الكرة</translation>
    </message>
    <message>
        <source>Platform</source>
        <translation>المنصة</translation>
    </message>
    <message>
        <source>Score</source>
        <translation>النتيجة</translation>
    </message>
    <message>
        <source>High Score</source>
        <translation>أعلى نتيجة</translation>
    </message>
    <message>
        <source>Final score: %1</source>
        <translation>النتيجة النهائية: %1</translation>
    </message>
    <message>
        <source>Final score: %1. High score: %2. New high score</source>
        <translation>النتيجة النهائية: %1. أعلى نتيجة: %2. أعلى نتيجة جديدة</translation>
    </message>
    <message>
        <source>Final score: %1. High score: %2</source>
        <translation>النتيجة النهائية: %1. أعلى نتيجة: %2</translation>
    </message>
    <message>
        <source>Game Over</source>
        <translation>انتهت اللعبة</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>موافق</translation>
    </message>
    <message>
        <source>%1: Game Over</source>
        <translation>%1: انتهت اللعبة</translation>
    </message>
</context>
<context>
    <name>QCommandLineParser</name>
    <message>
        <source>Usage: %1</source>
        <translation>‎الاستخدام:‎ %1</translation>
    </message>
    <message>
        <source>[options]</source>
        <translation>[خيارات]</translation>
    </message>
    <message>
        <source>Options:</source>
        <translation>خيارات:</translation>
    </message>
    <message>
        <source>Displays help on commandline options.</source>
        <translation>يعرض المساعدة حول خيارات سطر الأوامر.</translation>
    </message>
    <message>
        <source>Displays help including Qt specific options.</source>
        <translation>يعرض المساعدة مع خيارات Qt الخاصة.</translation>
    </message>
    <message>
        <source>Displays version information.</source>
        <translation>يعرض معلومات الإصدار.</translation>
    </message>
    <message>
        <source>Unknown option &apos;%1&apos;.</source>
        <translation>الخيار ’%1‘ مجهول.</translation>
    </message>
    <message>
        <source>Unknown options: %1.</source>
        <translation>الخيارات مجهولة: %1.</translation>
    </message>
    <message>
        <source>Missing value after &apos;%1&apos;.</source>
        <translation>قيمة ناقصة بعد ’%1‘.</translation>
    </message>
    <message>
        <source>Unexpected value after &apos;%1&apos;.</source>
        <translation>قيمة غير متوقّعة بعد ’%1‘.</translation>
    </message>
</context>
<context>
    <name>QGuiApplication</name>
    <message>
        <source>QT_LAYOUT_DIRECTION</source>
        <translation>RTL</translation>
    </message>
</context>
<context>
    <name>Sound</name>
    <message>
        <source>%1: %2; the game plays on, silent until a server answers</source>
        <translation>%1: %2؛ تستمر اللعبة صامتة حتى يستجيب خادم</translation>
    </message>
    <message>
        <source>no sound</source>
        <translation>لا صوت</translation>
    </message>
    <message>
        <source>its event loop could not be made</source>
        <translation>تعذر إنشاء حلقة الأحداث</translation>
    </message>
    <message>
        <source>the sound server does not answer</source>
        <translation>خادم الصوت لا يستجيب</translation>
    </message>
    <message>
        <source>the sound library could not start</source>
        <translation>تعذر بدء مكتبة الصوت</translation>
    </message>
    <message>
        <source>sound stopped</source>
        <translation>توقف الصوت</translation>
    </message>
    <message>
        <source>libpulse.so.0 could not be loaded</source>
        <translation>تعذر تحميل libpulse.so.0</translation>
    </message>
</context>
<context>
    <name>Startup</name>
    <message>
        <source>the desktop scales its screen by %1, which blurs X11 programs; for sharp windows start the game with -platform wayland, or let X11 programs scale themselves in the desktop&apos;s display settings</source>
        <translation>سطح المكتب يكبر شاشته بمعامل %1، مما يجعل برامج X11 ضبابية؛ للحصول على نوافذ واضحة شغل اللعبة مع -platform wayland، أو اسمح لبرامج X11 بتحجيم نفسها في إعدادات العرض في سطح المكتب</translation>
    </message>
    <message>
        <source>no display: DISPLAY is not set, so there is no X server (or XWayland) to open the windows on</source>
        <translation>لا شاشة: المتغير DISPLAY غير معين، لذا لا يوجد خادم X (أو XWayland) تفتح عليه النوافذ</translation>
    </message>
    <message>
        <source>no display: cannot connect to the X server at DISPLAY=%1</source>
        <translation>لا شاشة: تعذر الاتصال بخادم X على DISPLAY=%1</translation>
    </message>
    <message>
        <source>no Wayland compositor: XDG_RUNTIME_DIR is not set</source>
        <translation>لا يوجد مركب Wayland: المتغير XDG_RUNTIME_DIR غير معين</translation>
    </message>
    <message>
        <source>no Wayland compositor: the socket path %1 is too long</source>
        <translation>لا يوجد مركب Wayland: مسار المقبس %1 طويل جدا</translation>
    </message>
    <message>
        <source>no Wayland compositor at %1 (WAYLAND_DISPLAY)</source>
        <translation>لا يوجد مركب Wayland على %1 (WAYLAND_DISPLAY)</translation>
    </message>
    <message>
        <source>no Qt platform plugin &apos;%1&apos; in %2 (there are: %3)</source>
        <translation>لا توجد ملحقة منصة Qt باسم &apos;%1&apos; في %2 (الموجود: %3)</translation>
    </message>
    <message>
        <source>cannot start the Qt platform %1</source>
        <translation>تعذر بدء منصة Qt: %1</translation>
    </message>
    <message>
        <source>no Qt platform named in &apos;%1&apos;</source>
        <translation>لا يوجد اسم منصة Qt في &apos;%1&apos;</translation>
    </message>
    <message>
        <source>Qt could not start it</source>
        <translation>تعذر على Qt بدؤها</translation>
    </message>
    <message>
        <source>the session bus does not answer: the game plays without accessibility</source>
        <translation>ناقل الجلسة لا يستجيب: تعمل اللعبة دون إتاحة</translation>
    </message>
    <message>
        <source>the accessibility bus does not answer: the game plays without accessibility</source>
        <translation>ناقل الإتاحة لا يستجيب: تعمل اللعبة دون إتاحة</translation>
    </message>
    <message>
        <source>a game already runs on this display: raised its windows</source>
        <translation>تعمل لعبة بالفعل على هذه الشاشة: رفعت نوافذها</translation>
    </message>
</context>
</TS>
