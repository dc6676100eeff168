<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_CN">
<context>
    <name>quorvane::BoardDescription</name>
    <message>
        <source>down</source>
        <translation>下</translation>
    </message>
    <message>
        <source>left</source>
        <translation>左</translation>
    </message>
    <message>
        <source>right</source>
        <translation>右</translation>
    </message>
    <message>
        <source>up</source>
        <translation>上</translation>
    </message>
    <message>
        <source>nowhere</source>
        <translation>无</translation>
    </message>
    <message>
        <source>1 cell</source>
        <translation>1 格</translation>
    </message>
    <message>
        <source>%1 right</source>
        <translation>向右 %1</translation>
    </message>
    <message>
        <source>%1 left</source>
        <translation>向左 %1</translation>
    </message>
    <message>
        <source>%1 down</source>
        <translation>向下 %1</translation>
    </message>
    <message>
        <source>%1 up</source>
        <translation>向上 %1</translation>
    </message>
    <message>
        <source>The blob is under the head.</source>
        <translation>蓝点就在蛇头下面。</translation>
    </message>
    <message>
        <source>The blob is %1 of the head.</source>
        <translation>蓝点在蛇头%1处。</translation>
    </message>
    <message>
        <source> and </source>
        <translation>、</translation>
    </message>
    <message>
        <source>Score %1.</source>
        <translation>得分：%1。</translation>
    </message>
    <message>
        <source>The snake is %1 long</source>
        <translation>蛇长 %1</translation>
    </message>
    <message>
        <source>Game over. %1 %2.</source>
        <translation>游戏结束。%1%2。</translation>
    </message>
    <message>
        <source>%1. %2 %3, heading %4.</source>
        <translation>%1。%2%3，方向：%4。</translation>
    </message>
    <message>
        <source>Paused</source>
        <translation>已暂停</translation>
    </message>
    <message>
        <source>Playing</source>
        <translation>游戏中</translation>
    </message>
    <message>
        <source> Walls: %1.</source>
        <translation>墙：%1 处。</translation>
    </message>
    <message numerus="yes">
        <source>%n cells</source>
        <translation>
            <numerusform>%n 格</numerusform>
        </translation>
    </message>
    <message>
        <source>%1.</source>
        <comment>a line of the intro screen, said as a sentence</comment>
        <translation>%1。</translation>
    </message>
    <message>
        <source>%1 %2</source>
        <comment>two sentences said one after the other</comment>
        <translation>%1%2</translation>
    </message>
</context>
<context>
    <name>quorvane::GameTexts</name>
    <message>
        <source>Game over</source>
        <translation>游戏结束</translation>
    </message>
    <message>
        <source>Paused</source>
        <translation>已暂停</translation>
    </message>
    <message>
        <source>Pa&amp;use</source>
        <translation>暂停(&amp;U)</translation>
    </message>
    <message>
        <source>Res&amp;ume</source>
        <translation>继续(&amp;U)</translation>
    </message>
    <message>
        <source>Easy</source>
        <translation>简单</translation>
    </message>
    <message>
        <source>Intermediate</source>
        <translation>中等</translation>
    </message>
    <message>
        <source>Difficult</source>
        <translation>困难</translation>
    </message>
    <message>
        <source>Custom</source>
        <translation>自定义</translation>
    </message>
    <message>
        <source>Could not load sound file.</source>
        <translation>无法加载声音文件。</translation>
    </message>
    <message>
        <source>Score : </source>
        <translation>得分：</translation>
    </message>
    <message>
        <source>Hi : </source>
        <translation>最高分：</translation>
    </message>
    <message>
        <source>Unable to write to %1</source>
        <translation>无法写入 %1。</translation>
    </message>
</context>
<context>
    <name>quorvane::HelpFiles</name>
    <message>
        <source>The help file %1 could not be found in %2.</source>
        <translation>在 %2 中找不到帮助文件 %1。</translation>
    </message>
    <message>
        <source>The help file %1 in %2 could not be read.</source>
        <translation>无法读取 %2 中的帮助文件 %1。</translation>
    </message>
</context>
<context>
    <name>quorvane::IntroScreen</name>
    <message>
        <source>Use cursor keys to move</source>
        <translation>用方向键控制移动</translation>
    </message>
    <message>
        <source>Collect the blue blobs</source>
        <translation>吃掉蓝点</translation>
    </message>
    <message>
        <source>Avoid the walls</source>
        <translation>避开墙壁</translation>
    </message>
    <message>
        <source>Click New Game to play</source>
        <translation>点击“新游戏”开始</translation>
    </message>
</context>
<context>
    <name>quorvane::LinkOpener</name>
    <message>
        <source>Unable to open %1.</source>
        <translation>无法打开 %1。</translation>
    </message>
</context>
<context>
    <name>quorvane::OptionsExchange</name>
    <message>
        <source>The hi score shown is not a number</source>
        <translation>显示的最高分不是数字</translation>
    </message>
</context>
<context>
    <name>quorvane::PadControl</name>
    <message>
        <source>The game controller &quot;%1&quot; is not supported and is ignored.</source>
        <translation>不支持游戏手柄“%1”，已忽略。</translation>
    </message>
</context>
<context>
    <name>quorvane::SingleCopy</name>
    <message>
        <source>%1 is running already but does not answer.</source>
        <translation>%1 已在运行，但没有响应。</translation>
    </message>
</context>
<context>
    <name>quorvane::TApplication</name>
    <message>
        <source>Unknown error</source>
        <translation>未知错误</translation>
    </message>
    <message>
        <source>Exception %1 in module %2 at %3.
%4</source>
        <translation>模块 %2 中的 %3 处发生异常 %1。
%4</translation>
    </message>
    <message>
        <source>Application Error</source>
        <translation>应用程序错误</translation>
    </message>
</context>
<context>
    <name>quorvane::TEmaillabel</name>
    <message>
        <source>Error: Please Specify a Recipients Email Address</source>
        <translation>错误：未指定收件人的电子邮件地址</translation>
    </message>
</context>
<context>
    <name>quorvane::TForm1</name>
    <message>
        <source>&amp;New game</source>
        <translation>新游戏(&amp;N)</translation>
    </message>
    <message>
        <source>Pa&amp;use</source>
        <translation>暂停(&amp;U)</translation>
    </message>
    <message>
        <source>He&amp;lp</source>
        <translation>帮助(&amp;L)</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>退出(&amp;X)</translation>
    </message>
    <message>
        <source>Left</source>
        <translation>向左</translation>
    </message>
    <message>
        <source>Up</source>
        <translation>向上</translation>
    </message>
    <message>
        <source>Down</source>
        <translation>向下</translation>
    </message>
    <message>
        <source>Right</source>
        <translation>向右</translation>
    </message>
    <message>
        <source>&amp;Game</source>
        <translation>游戏(&amp;G)</translation>
    </message>
    <message>
        <source>&amp;Pause</source>
        <translation>暂停(&amp;P)</translation>
    </message>
    <message>
        <source>&amp;Options ...</source>
        <translation>选项(&amp;O)…</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>帮助(&amp;H)</translation>
    </message>
    <message>
        <source>Help &amp;topics ...</source>
        <translation>帮助主题(&amp;T)…</translation>
    </message>
    <message>
        <source>Privacy statement ...</source>
        <translation>隐私声明(&amp;P)…</translation>
    </message>
    <message>
        <source>&amp;About ...</source>
        <translation>关于(&amp;A)…</translation>
    </message>
    <message>
        <source>Game Over! Would you like to play again?</source>
        <translation>游戏结束！再玩一局吗？</translation>
    </message>
    <message>
        <source>Could not create options dialog box.</source>
        <translation>无法创建选项对话框。</translation>
    </message>
    <message>
        <source>Could not display options dialog box.</source>
        <translation>无法显示选项对话框。</translation>
    </message>
    <message>
        <source>Could not create About dialog.</source>
        <translation>无法创建“关于”对话框。</translation>
    </message>
    <message>
        <source>Could not display About dialog.</source>
        <translation>无法显示“关于”对话框。</translation>
    </message>
    <message>
        <source>&amp;New game</source>
        <comment>button</comment>
        <extracomment>Its own text: where the menu&apos;s words are too long for the button, say it shorter here.</extracomment>
        <translation>新游戏(&amp;N)</translation>
    </message>
</context>
<context>
    <name>quorvane::TForm3</name>
    <message>
        <source>Skill level</source>
        <translation>难度</translation>
    </message>
    <message>
        <source>Position</source>
        <translation>位置</translation>
    </message>
    <message>
        <source>Sounds</source>
        <translation>声音</translation>
    </message>
    <message>
        <source>Hi score</source>
        <translation>最高分</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>帮助(&amp;H)</translation>
    </message>
    <message>
        <source>&amp;Ok</source>
        <translation>确定(&amp;O)</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>取消(&amp;C)</translation>
    </message>
    <message>
        <source>&amp;Easy</source>
        <translation>简单(&amp;E)</translation>
    </message>
    <message>
        <source>&amp;Intermediate</source>
        <translation>中等(&amp;I)</translation>
    </message>
    <message>
        <source>&amp;Difficult</source>
        <translation>困难(&amp;D)</translation>
    </message>
    <message>
        <source>&amp;Grow snake after </source>
        <translation>生长间隔(&amp;G)</translation>
    </message>
    <message>
        <source>moves</source>
        <translation>步</translation>
    </message>
    <message>
        <source>I&amp;nitial snake speed</source>
        <translation>初始速度(&amp;N)</translation>
    </message>
    <message>
        <source>Slow</source>
        <translation>慢</translation>
    </message>
    <message>
        <source>Fast</source>
        <translation>快</translation>
    </message>
    <message>
        <source>Inc&amp;rease snake speed after</source>
        <translation>加速间隔(&amp;R)</translation>
    </message>
    <message>
        <source>&amp;Add walls after eating</source>
        <translation>加墙间隔(&amp;A)</translation>
    </message>
    <message>
        <source>blobs</source>
        <translation>个蓝点</translation>
    </message>
    <message>
        <source>Number of &amp;walls to add </source>
        <translation>每次加墙数(&amp;W)</translation>
    </message>
    <message>
        <source>&amp;Use defaults</source>
        <translation>默认值(&amp;L)</translation>
    </message>
    <message>
        <source>From Slow to Fast</source>
        <translation>从慢到快</translation>
    </message>
    <message>
        <source>&amp;Default</source>
        <translation>默认(&amp;D)</translation>
    </message>
    <message>
        <source>&amp;Random</source>
        <translation>随机(&amp;R)</translation>
    </message>
    <message>
        <source>Initial direction</source>
        <translation>初始方向</translation>
    </message>
    <message>
        <source>Do&amp;wn</source>
        <translation>向下(&amp;W)</translation>
    </message>
    <message>
        <source>&amp;Left</source>
        <translation>向左(&amp;L)</translation>
    </message>
    <message>
        <source>R&amp;ight</source>
        <translation>向右(&amp;I)</translation>
    </message>
    <message>
        <source>U&amp;p</source>
        <translation>向上(&amp;P)</translation>
    </message>
    <message>
        <source>&amp;Vertical position :</source>
        <translation>垂直位置(&amp;V)：</translation>
    </message>
    <message>
        <source>Hori&amp;zontal position :</source>
        <translation>水平位置(&amp;Z)：</translation>
    </message>
    <message>
        <source>&amp;Play sounds</source>
        <translation>播放声音(&amp;P)</translation>
    </message>
    <message>
        <source>Play &amp;sound for blue blob</source>
        <translation>吃到蓝点的音效(&amp;S)</translation>
    </message>
    <message>
        <source>&amp;Browse ...</source>
        <translation>浏览(&amp;B)…</translation>
    </message>
    <message>
        <source>Play so&amp;und for game over</source>
        <translation>游戏结束的音效(&amp;U)</translation>
    </message>
    <message>
        <source>B&amp;rowse ...</source>
        <translation>浏览(&amp;R)…</translation>
    </message>
    <message>
        <source>Play soun&amp;d for new hi score</source>
        <translation>新最高分的音效(&amp;D)</translation>
    </message>
    <message>
        <source>Bro&amp;wse ...</source>
        <translation>浏览(&amp;W)…</translation>
    </message>
    <message>
        <source>Choose the blue blob sound</source>
        <translation>选择吃到蓝点的音效</translation>
    </message>
    <message>
        <source>Choose the game over sound</source>
        <translation>选择游戏结束的音效</translation>
    </message>
    <message>
        <source>Choose the new hi score sound</source>
        <translation>选择新最高分的音效</translation>
    </message>
    <message>
        <source>Hi score : </source>
        <translation>最高分：</translation>
    </message>
    <message>
        <source>Set by : </source>
        <translation>保持者：</translation>
    </message>
    <message>
        <source>&amp;Reset</source>
        <translation>重置(&amp;R)</translation>
    </message>
    <message>
        <source>%1 - Options</source>
        <translation>%1 - 选项</translation>
    </message>
    <message>
        <source>%1 - Browse for wav file</source>
        <translation>%1 - 选择 WAV 文件</translation>
    </message>
    <message>
        <source>Wav files (*.wav)</source>
        <translation>WAV 文件 (*.wav)</translation>
    </message>
    <message>
        <source>All files (*.*)</source>
        <translation>所有文件 (*.*)</translation>
    </message>
    <message>
        <source>Reset hi score?</source>
        <translation>要重置最高分吗？</translation>
    </message>
    <message>
        <source>Reset defaults for custom skill level?</source>
        <translation>要将“自定义”难度恢复为默认值吗？</translation>
    </message>
    <message>
        <source>Invalid blob sound specified.</source>
        <translation>指定的蓝点音效无效。</translation>
    </message>
    <message>
        <source>Invalid game over sound specified.</source>
        <translation>指定的游戏结束音效无效。</translation>
    </message>
    <message>
        <source>Invalid new Hi score sounds specified.</source>
        <translation>指定的新最高分音效无效。</translation>
    </message>
    <message>
        <source>C&amp;ustom</source>
        <comment>skill level</comment>
        <translation>自定义(&amp;U)</translation>
    </message>
    <message>
        <source>C&amp;ustom</source>
        <comment>start position</comment>
        <translation>指定(&amp;U)</translation>
    </message>
    <message>
        <source>moves</source>
        <comment>growths</comment>
        <extracomment>It counts the snake&apos;s growths, not its steps.</extracomment>
        <translation>次生长</translation>
    </message>
</context>
<context>
    <name>quorvane::TForm4</name>
    <message>
        <source>Score : </source>
        <translation>得分：</translation>
    </message>
    <message>
        <source>Your &amp;name :</source>
        <translation>你的名字(&amp;N)：</translation>
    </message>
    <message>
        <source>&amp;Ok</source>
        <translation>确定(&amp;O)</translation>
    </message>
    <message>
        <source>%1 - New hi score</source>
        <translation>%1 - 新最高分</translation>
    </message>
</context>
<context>
    <name>quorvane::TForm5</name>
    <message>
        <source>About %1</source>
        <translation>关于 %1</translation>
    </message>
    <message>
        <source>All rights reserved.</source>
        <translation>保留所有权利。</translation>
    </message>
    <message>
        <source>For the latest version see</source>
        <translation>获取最新版本请访问</translation>
    </message>
    <message>
        <source>For bug reports / suggestions email</source>
        <translation>错误报告和建议请发邮件至</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>确定</translation>
    </message>
</context>
<context>
    <name>quorvane::ProcessHelpService</name>
    <message>
        <source>The help viewer has stopped unexpectedly.</source>
        <translation>帮助查看器意外停止。</translation>
    </message>
    <message>
        <source>The help viewer %1 could not be started.</source>
        <translation>无法启动帮助查看器 %1。</translation>
    </message>
</context>
<context>
    <name>quorvane::THelpBrowser</name>
    <message>
        <source>The help page %1 is too large to be shown.</source>
        <translation>帮助页面 %1 过大，无法显示。</translation>
    </message>
    <message>
        <source>The help page %1 is nested too deeply to be shown.</source>
        <translation>帮助页面 %1 嵌套过深，无法显示。</translation>
    </message>
</context>
<context>
    <name>quorvane::THelpWindow</name>
    <message>
        <source>%1 Help</source>
        <translation>%1 帮助</translation>
    </message>
    <message>
        <source>&amp;Contents</source>
        <translation>目录(&amp;C)</translation>
    </message>
    <message>
        <source>&amp;Look for:</source>
        <translation>查找(&amp;L)：</translation>
    </message>
    <message>
        <source>&amp;Index</source>
        <translation>索引(&amp;I)</translation>
    </message>
    <message>
        <source>The help viewer could not keep its files in %1.</source>
        <translation>帮助查看器无法在 %1 中保存文件。</translation>
    </message>
    <message>
        <source>The help topic %1 was not found in the help file. These are its contents.</source>
        <translation>帮助文件中没有帮助主题 %1。以下是帮助的目录。</translation>
    </message>
    <message>
        <source>The contents of the help file are nested too deeply to be shown.</source>
        <translation>帮助文件的目录嵌套过深，无法显示。</translation>
    </message>
</context>
<context>
    <name>quorvane::THouseBanner</name>
    <message>
        <source>Steer with the arrow keys, or with the four arrow buttons.</source>
        <translation>用方向键或四个箭头按钮控制蛇的方向。</translation>
    </message>
    <message>
        <source>Each blue blob is worth 100 points, and every step 10 more.</source>
        <translation>每个蓝点 100 分，每走一步再加 10 分。</translation>
    </message>
    <message>
        <source>The snake speeds up as it grows: plan your turns early.</source>
        <translation>蛇越长越快：转弯要提前打算。</translation>
    </message>
    <message>
        <source>Swallowed blobs bring new walls. Keep an open lane.</source>
        <translation>吃掉的蓝点会带来新的墙。给自己留一条通路。</translation>
    </message>
    <message>
        <source>Need a break? Pause holds the snake where it is.</source>
        <translation>想歇一会儿？“暂停”让蛇停在原地。</translation>
    </message>
    <message>
        <source>Set your own pace with the Custom skill level in Options.</source>
        <translation>在选项中选择“自定义”难度，定下你自己的节奏。</translation>
    </message>
    <message>
        <source>a game by %1</source>
        <translation>%1 出品</translation>
    </message>
</context>
<context>
    <name>quorvane::TPaintBox</name>
    <message>
        <source>Board</source>
        <translation>游戏区</translation>
    </message>
</context>
<context>
    <name>quorvane::TStatusBar</name>
    <message>
        <source>Game state</source>
        <translation>游戏状态</translation>
    </message>
    <message>
        <source>Score</source>
        <translation>得分</translation>
    </message>
    <message>
        <source>Hi score</source>
        <translation>最高分</translation>
    </message>
    <message>
        <source>Skill level</source>
        <translation>难度</translation>
    </message>
    <message>
        <source>Status bar</source>
        <translation>状态栏</translation>
    </message>
</context>
<context>
    <name>quorvane::TUpDown</name>
    <message>
        <source>Up</source>
        <translation>增加</translation>
    </message>
    <message>
        <source>Down</source>
        <translation>减少</translation>
    </message>
</context>
<context>
    <name>quorvane::TUrlLabel</name>
    <message>
        <source>Error: Property URL not Specified</source>
        <translation>错误：未指定网址（URL）</translation>
    </message>
</context>
</TS>
