<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ru_RU">
<context>
    <name>quorvane::BoardDescription</name>
    <message>
        <source>down</source>
        <translation>вниз</translation>
    </message>
    <message>
        <source>left</source>
        <translation>влево</translation>
    </message>
    <message>
        <source>right</source>
        <translation>вправо</translation>
    </message>
    <message>
        <source>up</source>
        <translation>вверх</translation>
    </message>
    <message>
        <source>nowhere</source>
        <translation>нет</translation>
    </message>
    <message>
        <source>1 cell</source>
        <translation>1 клетку</translation>
    </message>
    <message>
        <source>%1 right</source>
        <translation>%1 вправо</translation>
    </message>
    <message>
        <source>%1 left</source>
        <translation>%1 влево</translation>
    </message>
    <message>
        <source>%1 down</source>
        <translation>%1 вниз</translation>
    </message>
    <message>
        <source>%1 up</source>
        <translation>%1 вверх</translation>
    </message>
    <message>
        <source>The blob is under the head.</source>
        <translation>Шарик под головой.</translation>
    </message>
    <message>
        <source>The blob is %1 of the head.</source>
        <translation>Шарик: %1 от головы.</translation>
    </message>
    <message>
        <source> and </source>
        <translation> и </translation>
    </message>
    <message>
        <source>Score %1.</source>
        <translation>Счёт: %1.</translation>
    </message>
    <message>
        <source>The snake is %1 long</source>
        <translation>Длина змеи: %1</translation>
    </message>
    <message>
        <source>Game over. %1 %2.</source>
        <translation>Игра окончена. %1 %2.</translation>
    </message>
    <message>
        <source>%1. %2 %3, heading %4.</source>
        <translation>%1. %2 %3, направление: %4.</translation>
    </message>
    <message>
        <source>Paused</source>
        <translation>Пауза</translation>
    </message>
    <message>
        <source>Playing</source>
        <translation>Идёт игра</translation>
    </message>
    <message>
        <source> Walls: %1.</source>
        <translation> Стен: %1.</translation>
    </message>
    <message numerus="yes">
        <source>%n cells</source>
        <translation>
            <numerusform>%n клетка</numerusform>
            <numerusform>%n клетки</numerusform>
            <numerusform>%n клеток</numerusform>
        </translation>
    </message>
    <message>
        <source>%1.</source>
        <comment>a line of the intro screen, said as a sentence</comment>
        <translation>%1.</translation>
    </message>
    <message>
        <source>%1 %2</source>
        <comment>two sentences said one after the other</comment>
        <translation>%1 %2</translation>
    </message>
</context>
<context>
    <name>quorvane::GameTexts</name>
    <message>
        <source>Game over</source>
        <translation>Игра окончена</translation>
    </message>
    <message>
        <source>Paused</source>
        <translation>Пауза</translation>
    </message>
    <message>
        <source>Pa&amp;use</source>
        <translation>&amp;Пауза</translation>
    </message>
    <message>
        <source>Res&amp;ume</source>
        <translation>&amp;Продолжить</translation>
    </message>
    <message>
        <source>Easy</source>
        <translation>Лёгкий</translation>
    </message>
    <message>
        <source>Intermediate</source>
        <translation>Средний</translation>
    </message>
    <message>
        <source>Difficult</source>
        <translation>Сложный</translation>
    </message>
    <message>
        <source>Custom</source>
        <translation>Свой</translation>
    </message>
    <message>
        <source>Could not load sound file.</source>
        <translation>Не удалось загрузить звуковой файл.</translation>
    </message>
    <message>
        <source>Score : </source>
        <translation>Счёт: </translation>
    </message>
    <message>
        <source>Hi : </source>
        <translation>Рекорд: </translation>
    </message>
    <message>
        <source>Unable to write to %1</source>
        <translation>Не удалось записать файл %1.</translation>
    </message>
</context>
<context>
    <name>quorvane::HelpFiles</name>
    <message>
        <source>The help file %1 could not be found in %2.</source>
        <translation>Файл справки %1 не найден в %2.</translation>
    </message>
    <message>
        <source>The help file %1 in %2 could not be read.</source>
        <translation>Не удалось прочитать файл справки %1 в %2.</translation>
    </message>
</context>
<context>
    <name>quorvane::IntroScreen</name>
    <message>
        <source>Use cursor keys to move</source>
        <translation>Управляйте стрелками</translation>
    </message>
    <message>
        <source>Collect the blue blobs</source>
        <translation>Собирайте синие шарики</translation>
    </message>
    <message>
        <source>Avoid the walls</source>
        <translation>Избегайте стен</translation>
    </message>
    <message>
        <source>Click New Game to play</source>
        <translation>Нажмите «Новая игра», чтобы начать</translation>
    </message>
</context>
<context>
    <name>quorvane::LinkOpener</name>
    <message>
        <source>Unable to open %1.</source>
        <translation>Не удалось открыть %1.</translation>
    </message>
</context>
<context>
    <name>quorvane::OptionsExchange</name>
    <message>
        <source>The hi score shown is not a number</source>
        <translation>Показанный рекорд — не число</translation>
    </message>
</context>
<context>
    <name>quorvane::PadControl</name>
    <message>
        <source>The game controller &quot;%1&quot; is not supported and is ignored.</source>
        <translation>Геймпад «%1» не поддерживается и не используется.</translation>
    </message>
</context>
<context>
    <name>quorvane::SingleCopy</name>
    <message>
        <source>%1 is running already but does not answer.</source>
        <translation>Программа %1 уже запущена, но не отвечает.</translation>
    </message>
</context>
<context>
    <name>quorvane::TApplication</name>
    <message>
        <source>Unknown error</source>
        <translation>Неизвестная ошибка</translation>
    </message>
    <message>
        <source>Exception %1 in module %2 at %3.
%4</source>
        <translation>Исключение %1 в модуле %2 по адресу %3.
%4</translation>
    </message>
    <message>
        <source>Application Error</source>
        <translation>Ошибка приложения</translation>
    </message>
</context>
<context>
    <name>quorvane::TEmaillabel</name>
    <message>
        <source>Error: Please Specify a Recipients Email Address</source>
        <translation>Ошибка: не указан адрес электронной почты получателя</translation>
    </message>
</context>
<context>
    <name>quorvane::TForm1</name>
    <message>
        <source>&amp;New game</source>
        <translation>&amp;Новая игра</translation>
    </message>
    <message>
        <source>Pa&amp;use</source>
        <translation>&amp;Пауза</translation>
    </message>
    <message>
        <source>He&amp;lp</source>
        <translation>Спр&amp;авка</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Выход</translation>
    </message>
    <message>
        <source>Left</source>
        <translation>Влево</translation>
    </message>
    <message>
        <source>Up</source>
        <translation>Вверх</translation>
    </message>
    <message>
        <source>Down</source>
        <translation>Вниз</translation>
    </message>
    <message>
        <source>Right</source>
        <translation>Вправо</translation>
    </message>
    <message>
        <source>&amp;Game</source>
        <translation>&amp;Игра</translation>
    </message>
    <message>
        <source>&amp;Pause</source>
        <translation>&amp;Пауза</translation>
    </message>
    <message>
        <source>&amp;Options ...</source>
        <translation>Н&amp;астройки…</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Справка</translation>
    </message>
    <message>
        <source>Help &amp;topics ...</source>
        <translation>&amp;Разделы справки…</translation>
    </message>
    <message>
        <source>Privacy statement ...</source>
        <translation>&amp;Конфиденциальность…</translation>
    </message>
    <message>
        <source>&amp;About ...</source>
        <translation>&amp;Об игре…</translation>
    </message>
    <message>
        <source>Game Over! Would you like to play again?</source>
        <translation>Игра окончена! Сыграть ещё раз?</translation>
    </message>
    <message>
        <source>Could not create options dialog box.</source>
        <translation>Не удалось создать окно настроек.</translation>
    </message>
    <message>
        <source>Could not display options dialog box.</source>
        <translation>Не удалось показать окно настроек.</translation>
    </message>
    <message>
        <source>Could not create About dialog.</source>
        <translation>Не удалось создать окно «Об игре».</translation>
    </message>
    <message>
        <source>Could not display About dialog.</source>
        <translation>Не удалось показать окно «Об игре».</translation>
    </message>
    <message>
        <source>&amp;New game</source>
        <comment>button</comment>
        <extracomment>Its own text: where the menu&apos;s words are too long for the button, say it shorter here.</extracomment>
        <translation>&amp;Новая игра</translation>
    </message>
</context>
<context>
    <name>quorvane::TForm3</name>
    <message>
        <source>Skill level</source>
        <translation>Уровень</translation>
    </message>
    <message>
        <source>Position</source>
        <translation>Позиция</translation>
    </message>
    <message>
        <source>Sounds</source>
        <translation>Звуки</translation>
    </message>
    <message>
        <source>Hi score</source>
        <translation>Рекорд</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>Спр&amp;авка</translation>
    </message>
    <message>
        <source>&amp;Ok</source>
        <translation>&amp;ОК</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>О&amp;тмена</translation>
    </message>
    <message>
        <source>&amp;Easy</source>
        <translation>&amp;Лёгкий</translation>
    </message>
    <message>
        <source>&amp;Intermediate</source>
        <translation>&amp;Средний</translation>
    </message>
    <message>
        <source>&amp;Difficult</source>
        <translation>Сло&amp;жный</translation>
    </message>
    <message>
        <source>&amp;Grow snake after </source>
        <translation>&amp;Рост после </translation>
    </message>
    <message>
        <source>moves</source>
        <translation>ходов</translation>
    </message>
    <message>
        <source>I&amp;nitial snake speed</source>
        <translation>&amp;Начальная скорость</translation>
    </message>
    <message>
        <source>Slow</source>
        <translation>Медленно</translation>
    </message>
    <message>
        <source>Fast</source>
        <translation>Быстро</translation>
    </message>
    <message>
        <source>Inc&amp;rease snake speed after</source>
        <translation>&amp;Ускорение после</translation>
    </message>
    <message>
        <source>&amp;Add walls after eating</source>
        <translation>Ст&amp;ены после</translation>
    </message>
    <message>
        <source>blobs</source>
        <translation>шариков</translation>
    </message>
    <message>
        <source>Number of &amp;walls to add </source>
        <translation>&amp;Число стен </translation>
    </message>
    <message>
        <source>&amp;Use defaults</source>
        <translation>Сброс&amp;ить</translation>
    </message>
    <message>
        <source>From Slow to Fast</source>
        <translation>От «Медленно» до «Быстро»</translation>
    </message>
    <message>
        <source>&amp;Default</source>
        <translation>По &amp;умолчанию</translation>
    </message>
    <message>
        <source>&amp;Random</source>
        <translation>Нау&amp;гад</translation>
    </message>
    <message>
        <source>Initial direction</source>
        <translation>Начальное направление</translation>
    </message>
    <message>
        <source>Do&amp;wn</source>
        <translation>В&amp;низ</translation>
    </message>
    <message>
        <source>&amp;Left</source>
        <translation>Вл&amp;ево</translation>
    </message>
    <message>
        <source>R&amp;ight</source>
        <translation>В&amp;право</translation>
    </message>
    <message>
        <source>U&amp;p</source>
        <translation>Вве&amp;рх</translation>
    </message>
    <message>
        <source>&amp;Vertical position :</source>
        <translation>Стро&amp;ка:</translation>
    </message>
    <message>
        <source>Hori&amp;zontal position :</source>
        <translation>Сто&amp;лбец:</translation>
    </message>
    <message>
        <source>&amp;Play sounds</source>
        <translation>&amp;Включить звук</translation>
    </message>
    <message>
        <source>Play &amp;sound for blue blob</source>
        <translation>Звук синего &amp;шарика</translation>
    </message>
    <message>
        <source>&amp;Browse ...</source>
        <translation>О&amp;бзор…</translation>
    </message>
    <message>
        <source>Play so&amp;und for game over</source>
        <translation>Звук &amp;конца игры</translation>
    </message>
    <message>
        <source>B&amp;rowse ...</source>
        <translation>Об&amp;зор…</translation>
    </message>
    <message>
        <source>Play soun&amp;d for new hi score</source>
        <translation>Звук &amp;нового рекорда</translation>
    </message>
    <message>
        <source>Bro&amp;wse ...</source>
        <translation>Обзо&amp;р…</translation>
    </message>
    <message>
        <source>Choose the blue blob sound</source>
        <translation>Выбрать звук синего шарика</translation>
    </message>
    <message>
        <source>Choose the game over sound</source>
        <translation>Выбрать звук конца игры</translation>
    </message>
    <message>
        <source>Choose the new hi score sound</source>
        <translation>Выбрать звук нового рекорда</translation>
    </message>
    <message>
        <source>Hi score : </source>
        <translation>Рекорд: </translation>
    </message>
    <message>
        <source>Set by : </source>
        <translation>Автор: </translation>
    </message>
    <message>
        <source>&amp;Reset</source>
        <translation>С&amp;бросить</translation>
    </message>
    <message>
        <source>%1 - Options</source>
        <translation>%1 — Настройки</translation>
    </message>
    <message>
        <source>%1 - Browse for wav file</source>
        <translation>%1 — Выбор файла WAV</translation>
    </message>
    <message>
        <source>Wav files (*.wav)</source>
        <translation>Файлы WAV (*.wav)</translation>
    </message>
    <message>
        <source>All files (*.*)</source>
        <translation>Все файлы (*.*)</translation>
    </message>
    <message>
        <source>Reset hi score?</source>
        <translation>Сбросить рекорд?</translation>
    </message>
    <message>
        <source>Reset defaults for custom skill level?</source>
        <translation>Восстановить значения по умолчанию для уровня «Свой»?</translation>
    </message>
    <message>
        <source>Invalid blob sound specified.</source>
        <translation>Звук шарика указан неверно.</translation>
    </message>
    <message>
        <source>Invalid game over sound specified.</source>
        <translation>Звук конца игры указан неверно.</translation>
    </message>
    <message>
        <source>Invalid new Hi score sounds specified.</source>
        <translation>Звук нового рекорда указан неверно.</translation>
    </message>
    <message>
        <source>C&amp;ustom</source>
        <comment>skill level</comment>
        <translation>С&amp;вой</translation>
    </message>
    <message>
        <source>C&amp;ustom</source>
        <comment>start position</comment>
        <translation>Вру&amp;чную</translation>
    </message>
    <message>
        <source>moves</source>
        <comment>growths</comment>
        <extracomment>It counts the snake&apos;s growths, not its steps.</extracomment>
        <translation>удлинений</translation>
    </message>
</context>
<context>
    <name>quorvane::TForm4</name>
    <message>
        <source>Score : </source>
        <translation>Счёт: </translation>
    </message>
    <message>
        <source>Your &amp;name :</source>
        <translation>Ваше &amp;имя:</translation>
    </message>
    <message>
        <source>&amp;Ok</source>
        <translation>&amp;ОК</translation>
    </message>
    <message>
        <source>%1 - New hi score</source>
        <translation>%1 — Новый рекорд</translation>
    </message>
</context>
<context>
    <name>quorvane::TForm5</name>
    <message>
        <source>About %1</source>
        <translation>Об игре %1</translation>
    </message>
    <message>
        <source>All rights reserved.</source>
        <translation>Все права защищены.</translation>
    </message>
    <message>
        <source>For the latest version see</source>
        <translation>Последняя версия:</translation>
    </message>
    <message>
        <source>For bug reports / suggestions email</source>
        <translation>Ошибки и пожелания:</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>ОК</translation>
    </message>
</context>
<context>
    <name>quorvane::ProcessHelpService</name>
    <message>
        <source>The help viewer has stopped unexpectedly.</source>
        <translation>Программа просмотра справки неожиданно завершила работу.</translation>
    </message>
    <message>
        <source>The help viewer %1 could not be started.</source>
        <translation>Не удалось запустить программу просмотра справки %1.</translation>
    </message>
</context>
<context>
    <name>quorvane::THelpBrowser</name>
    <message>
        <source>The help page %1 is too large to be shown.</source>
        <translation>Страницу справки %1 нельзя показать: она слишком велика.</translation>
    </message>
    <message>
        <source>The help page %1 is nested too deeply to be shown.</source>
        <translation>Страницу справки %1 нельзя показать: она вложена слишком глубоко.</translation>
    </message>
</context>
<context>
    <name>quorvane::THelpWindow</name>
    <message>
        <source>%1 Help</source>
        <translation>Справка %1</translation>
    </message>
    <message>
        <source>&amp;Contents</source>
        <translation>&amp;Содержание</translation>
    </message>
    <message>
        <source>&amp;Look for:</source>
        <translation>&amp;Искать:</translation>
    </message>
    <message>
        <source>&amp;Index</source>
        <translation>&amp;Указатель</translation>
    </message>
    <message>
        <source>The help viewer could not keep its files in %1.</source>
        <translation>Не удалось сохранить файлы справки в %1.</translation>
    </message>
    <message>
        <source>The help topic %1 was not found in the help file. These are its contents.</source>
        <translation>Раздела справки %1 нет в файле справки. Вот содержание справки.</translation>
    </message>
    <message>
        <source>The contents of the help file are nested too deeply to be shown.</source>
        <translation>Содержание файла справки нельзя показать: оно вложено слишком глубоко.</translation>
    </message>
</context>
<context>
    <name>quorvane::THouseBanner</name>
    <message>
        <source>Steer with the arrow keys, or with the four arrow buttons.</source>
        <translation>Управляйте клавишами со стрелками или четырьмя кнопками-стрелками.</translation>
    </message>
    <message>
        <source>Each blue blob is worth 100 points, and every step 10 more.</source>
        <translation>Каждый синий шарик даёт 100 очков, а каждый шаг — ещё 10.</translation>
    </message>
    <message>
        <source>The snake speeds up as it grows: plan your turns early.</source>
        <translation>Змея ускоряется по мере роста: планируйте повороты заранее.</translation>
    </message>
    <message>
        <source>Swallowed blobs bring new walls. Keep an open lane.</source>
        <translation>Проглоченные шарики приносят новые стены. Оставляйте себе проход.</translation>
    </message>
    <message>
        <source>Need a break? Pause holds the snake where it is.</source>
        <translation>Нужен перерыв? «Пауза» остановит змею на месте.</translation>
    </message>
    <message>
        <source>Set your own pace with the Custom skill level in Options.</source>
        <translation>Задайте свой темп: выберите в настройках уровень «Свой».</translation>
    </message>
    <message>
        <source>a game by %1</source>
        <translation>игра студии %1</translation>
    </message>
</context>
<context>
    <name>quorvane::TPaintBox</name>
    <message>
        <source>Board</source>
        <translation>Игровое поле</translation>
    </message>
</context>
<context>
    <name>quorvane::TStatusBar</name>
    <message>
        <source>Game state</source>
        <translation>Состояние игры</translation>
    </message>
    <message>
        <source>Score</source>
        <translation>Счёт</translation>
    </message>
    <message>
        <source>Hi score</source>
        <translation>Рекорд</translation>
    </message>
    <message>
        <source>Skill level</source>
        <translation>Уровень</translation>
    </message>
    <message>
        <source>Status bar</source>
        <translation>Строка состояния</translation>
    </message>
</context>
<context>
    <name>quorvane::TUpDown</name>
    <message>
        <source>Up</source>
        <translation>Больше</translation>
    </message>
    <message>
        <source>Down</source>
        <translation>Меньше</translation>
    </message>
</context>
<context>
    <name>quorvane::TUrlLabel</name>
    <message>
        <source>Error: Property URL not Specified</source>
        <translation>Ошибка: не указан веб-адрес (URL)</translation>
    </message>
</context>
</TS>
