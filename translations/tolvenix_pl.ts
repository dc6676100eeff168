<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pl_PL">
<context>
    <name>quorvane::BoardDescription</name>
    <message>
        <source>down</source>
        <translation>w dół</translation>
    </message>
    <message>
        <source>left</source>
        <translation>w lewo</translation>
    </message>
    <message>
        <source>right</source>
        <translation>w prawo</translation>
    </message>
    <message>
        <source>up</source>
        <translation>w górę</translation>
    </message>
    <message>
        <source>nowhere</source>
        <translation>brak</translation>
    </message>
    <message>
        <source>1 cell</source>
        <translation>1 pole</translation>
    </message>
    <message>
        <source>%1 right</source>
        <translation>%1 w prawo</translation>
    </message>
    <message>
        <source>%1 left</source>
        <translation>%1 w lewo</translation>
    </message>
    <message>
        <source>%1 down</source>
        <translation>%1 w dół</translation>
    </message>
    <message>
        <source>%1 up</source>
        <translation>%1 w górę</translation>
    </message>
    <message>
        <source>The blob is under the head.</source>
        <translation>Kulka jest pod głową.</translation>
    </message>
    <message>
        <source>The blob is %1 of the head.</source>
        <translation>Kulka jest %1 od głowy.</translation>
    </message>
    <message>
        <source> and </source>
        <translation> i </translation>
    </message>
    <message>
        <source>Score %1.</source>
        <translation>Wynik: %1.</translation>
    </message>
    <message>
        <source>The snake is %1 long</source>
        <translation>Wąż ma długość %1</translation>
    </message>
    <message>
        <source>Game over. %1 %2.</source>
        <translation>Koniec gry. %1 %2.</translation>
    </message>
    <message>
        <source>%1. %2 %3, heading %4.</source>
        <translation>%1. %2 %3, kierunek: %4.</translation>
    </message>
    <message>
        <source>Paused</source>
        <translation>Pauza</translation>
    </message>
    <message>
        <source>Playing</source>
        <translation>Gra trwa</translation>
    </message>
    <message>
        <source> Walls: %1.</source>
        <translation> Mury: %1.</translation>
    </message>
    <message numerus="yes">
        <source>%n cells</source>
        <translation>
            <numerusform>%n pole</numerusform>
            <numerusform>%n pola</numerusform>
            <numerusform>%n pól</numerusform>
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
        <translation>Koniec gry</translation>
    </message>
    <message>
        <source>Paused</source>
        <translation>Pauza</translation>
    </message>
    <message>
        <source>Pa&amp;use</source>
        <translation>&amp;Pauza</translation>
    </message>
    <message>
        <source>Res&amp;ume</source>
        <translation>&amp;Wznów</translation>
    </message>
    <message>
        <source>Easy</source>
        <translation>Łatwy</translation>
    </message>
    <message>
        <source>Intermediate</source>
        <translation>Średni</translation>
    </message>
    <message>
        <source>Difficult</source>
        <translation>Trudny</translation>
    </message>
    <message>
        <source>Custom</source>
        <translation>Własny</translation>
    </message>
    <message>
        <source>Could not load sound file.</source>
        <translation>Nie można wczytać pliku dźwiękowego.</translation>
    </message>
    <message>
        <source>Score : </source>
        <translation>Wynik: </translation>
    </message>
    <message>
        <source>Hi : </source>
        <translation>Rekord: </translation>
    </message>
    <message>
        <source>Unable to write to %1</source>
        <translation>Nie można zapisać pliku %1.</translation>
    </message>
</context>
<context>
    <name>quorvane::HelpFiles</name>
    <message>
        <source>The help file %1 could not be found in %2.</source>
        <translation>Nie znaleziono pliku pomocy %1 w %2.</translation>
    </message>
    <message>
        <source>The help file %1 in %2 could not be read.</source>
        <translation>Nie można odczytać pliku pomocy %1 w %2.</translation>
    </message>
</context>
<context>
    <name>quorvane::IntroScreen</name>
    <message>
        <source>Use cursor keys to move</source>
        <translation>Steruj strzałkami</translation>
    </message>
    <message>
        <source>Collect the blue blobs</source>
        <translation>Zbieraj niebieskie kulki</translation>
    </message>
    <message>
        <source>Avoid the walls</source>
        <translation>Omijaj mury</translation>
    </message>
    <message>
        <source>Click New Game to play</source>
        <translation>Kliknij „Nowa gra”, aby zagrać</translation>
    </message>
</context>
<context>
    <name>quorvane::LinkOpener</name>
    <message>
        <source>Unable to open %1.</source>
        <translation>Nie można otworzyć %1.</translation>
    </message>
</context>
<context>
    <name>quorvane::OptionsExchange</name>
    <message>
        <source>The hi score shown is not a number</source>
        <translation>Wyświetlany rekord nie jest liczbą</translation>
    </message>
</context>
<context>
    <name>quorvane::PadControl</name>
    <message>
        <source>The game controller &quot;%1&quot; is not supported and is ignored.</source>
        <translation>Kontroler do gier „%1” nie jest obsługiwany i zostaje pominięty.</translation>
    </message>
</context>
<context>
    <name>quorvane::SingleCopy</name>
    <message>
        <source>%1 is running already but does not answer.</source>
        <translation>%1 jest już uruchomiony, ale nie odpowiada.</translation>
    </message>
</context>
<context>
    <name>quorvane::TApplication</name>
    <message>
        <source>Unknown error</source>
        <translation>Nieznany błąd</translation>
    </message>
    <message>
        <source>Exception %1 in module %2 at %3.
%4</source>
        <translation>Wyjątek %1 w module %2 pod adresem %3.
%4</translation>
    </message>
    <message>
        <source>Application Error</source>
        <translation>Błąd aplikacji</translation>
    </message>
</context>
<context>
    <name>quorvane::TEmaillabel</name>
    <message>
        <source>Error: Please Specify a Recipients Email Address</source>
        <translation>Błąd: nie podano adresu e-mail odbiorcy</translation>
    </message>
</context>
<context>
    <name>quorvane::TForm1</name>
    <message>
        <source>&amp;New game</source>
        <translation>&amp;Nowa gra</translation>
    </message>
    <message>
        <source>Pa&amp;use</source>
        <translation>&amp;Pauza</translation>
    </message>
    <message>
        <source>He&amp;lp</source>
        <translation>Po&amp;moc</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Zakończ</translation>
    </message>
    <message>
        <source>Left</source>
        <translation>W lewo</translation>
    </message>
    <message>
        <source>Up</source>
        <translation>W górę</translation>
    </message>
    <message>
        <source>Down</source>
        <translation>W dół</translation>
    </message>
    <message>
        <source>Right</source>
        <translation>W prawo</translation>
    </message>
    <message>
        <source>&amp;Game</source>
        <translation>&amp;Gra</translation>
    </message>
    <message>
        <source>&amp;Pause</source>
        <translation>&amp;Pauza</translation>
    </message>
    <message>
        <source>&amp;Options ...</source>
        <translation>&amp;Opcje…</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>Pomo&amp;c</translation>
    </message>
    <message>
        <source>Help &amp;topics ...</source>
        <translation>&amp;Tematy pomocy…</translation>
    </message>
    <message>
        <source>Privacy statement ...</source>
        <translation>&amp;Polityka prywatności…</translation>
    </message>
    <message>
        <source>&amp;About ...</source>
        <translation>&amp;O grze…</translation>
    </message>
    <message>
        <source>Game Over! Would you like to play again?</source>
        <translation>Koniec gry! Chcesz zagrać jeszcze raz?</translation>
    </message>
    <message>
        <source>Could not create options dialog box.</source>
        <translation>Nie można utworzyć okna opcji.</translation>
    </message>
    <message>
        <source>Could not display options dialog box.</source>
        <translation>Nie można wyświetlić okna opcji.</translation>
    </message>
    <message>
        <source>Could not create About dialog.</source>
        <translation>Nie można utworzyć okna „O grze”.</translation>
    </message>
    <message>
        <source>Could not display About dialog.</source>
        <translation>Nie można wyświetlić okna „O grze”.</translation>
    </message>
    <message>
        <source>&amp;New game</source>
        <comment>button</comment>
        <extracomment>Its own text: where the menu&apos;s words are too long for the button, say it shorter here.</extracomment>
        <translation>&amp;Nowa gra</translation>
    </message>
</context>
<context>
    <name>quorvane::TForm3</name>
    <message>
        <source>Skill level</source>
        <translation>Poziom</translation>
    </message>
    <message>
        <source>Position</source>
        <translation>Pozycja</translation>
    </message>
    <message>
        <source>Sounds</source>
        <translation>Dźwięki</translation>
    </message>
    <message>
        <source>Hi score</source>
        <translation>Rekord</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Pomoc</translation>
    </message>
    <message>
        <source>&amp;Ok</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Anuluj</translation>
    </message>
    <message>
        <source>&amp;Easy</source>
        <translation>Ła&amp;twy</translation>
    </message>
    <message>
        <source>&amp;Intermediate</source>
        <translation>Śr&amp;edni</translation>
    </message>
    <message>
        <source>&amp;Difficult</source>
        <translation>T&amp;rudny</translation>
    </message>
    <message>
        <source>&amp;Grow snake after </source>
        <translation>Roś&amp;nie po </translation>
    </message>
    <message>
        <source>moves</source>
        <translation>krokach</translation>
    </message>
    <message>
        <source>I&amp;nitial snake speed</source>
        <translation>Prędkość począt&amp;kowa</translation>
    </message>
    <message>
        <source>Slow</source>
        <translation>Wolno</translation>
    </message>
    <message>
        <source>Fast</source>
        <translation>Szybko</translation>
    </message>
    <message>
        <source>Inc&amp;rease snake speed after</source>
        <translation>Przy&amp;spiesza po</translation>
    </message>
    <message>
        <source>&amp;Add walls after eating</source>
        <translation>Nowe m&amp;ury po</translation>
    </message>
    <message>
        <source>blobs</source>
        <translation>kulkach</translation>
    </message>
    <message>
        <source>Number of &amp;walls to add </source>
        <translation>&amp;Liczba murów </translation>
    </message>
    <message>
        <source>&amp;Use defaults</source>
        <translation>&amp;Domyślne</translation>
    </message>
    <message>
        <source>From Slow to Fast</source>
        <translation>Od Wolno do Szybko</translation>
    </message>
    <message>
        <source>&amp;Default</source>
        <translation>Do&amp;myślna</translation>
    </message>
    <message>
        <source>&amp;Random</source>
        <translation>&amp;Losowa</translation>
    </message>
    <message>
        <source>Initial direction</source>
        <translation>Kierunek startu</translation>
    </message>
    <message>
        <source>Do&amp;wn</source>
        <translation>W &amp;dół</translation>
    </message>
    <message>
        <source>&amp;Left</source>
        <translation>W l&amp;ewo</translation>
    </message>
    <message>
        <source>R&amp;ight</source>
        <translation>W p&amp;rawo</translation>
    </message>
    <message>
        <source>U&amp;p</source>
        <translation>W &amp;górę</translation>
    </message>
    <message>
        <source>&amp;Vertical position :</source>
        <translation>P&amp;ionowo:</translation>
    </message>
    <message>
        <source>Hori&amp;zontal position :</source>
        <translation>Po&amp;ziomo:</translation>
    </message>
    <message>
        <source>&amp;Play sounds</source>
        <translation>Włącz &amp;dźwięki</translation>
    </message>
    <message>
        <source>Play &amp;sound for blue blob</source>
        <translation>Dźwięk &amp;niebieskiej kulki</translation>
    </message>
    <message>
        <source>&amp;Browse ...</source>
        <translation>&amp;Wybierz…</translation>
    </message>
    <message>
        <source>Play so&amp;und for game over</source>
        <translation>Dźwięk &amp;końca gry</translation>
    </message>
    <message>
        <source>B&amp;rowse ...</source>
        <translation>W&amp;ybierz…</translation>
    </message>
    <message>
        <source>Play soun&amp;d for new hi score</source>
        <translation>Dźwięk nowego &amp;rekordu</translation>
    </message>
    <message>
        <source>Bro&amp;wse ...</source>
        <translation>Wy&amp;bierz…</translation>
    </message>
    <message>
        <source>Choose the blue blob sound</source>
        <translation>Wybierz dźwięk niebieskiej kulki</translation>
    </message>
    <message>
        <source>Choose the game over sound</source>
        <translation>Wybierz dźwięk końca gry</translation>
    </message>
    <message>
        <source>Choose the new hi score sound</source>
        <translation>Wybierz dźwięk nowego rekordu</translation>
    </message>
    <message>
        <source>Hi score : </source>
        <translation>Rekord: </translation>
    </message>
    <message>
        <source>Set by : </source>
        <translation>Gracz: </translation>
    </message>
    <message>
        <source>&amp;Reset</source>
        <translation>&amp;Wyzeruj</translation>
    </message>
    <message>
        <source>%1 - Options</source>
        <translation>%1 – opcje</translation>
    </message>
    <message>
        <source>%1 - Browse for wav file</source>
        <translation>%1 – wybierz plik WAV</translation>
    </message>
    <message>
        <source>Wav files (*.wav)</source>
        <translation>Pliki WAV (*.wav)</translation>
    </message>
    <message>
        <source>All files (*.*)</source>
        <translation>Wszystkie pliki (*.*)</translation>
    </message>
    <message>
        <source>Reset hi score?</source>
        <translation>Wyzerować rekord?</translation>
    </message>
    <message>
        <source>Reset defaults for custom skill level?</source>
        <translation>Przywrócić domyślne wartości poziomu własnego?</translation>
    </message>
    <message>
        <source>Invalid blob sound specified.</source>
        <translation>Podany dźwięk kulki jest nieprawidłowy.</translation>
    </message>
    <message>
        <source>Invalid game over sound specified.</source>
        <translation>Podany dźwięk końca gry jest nieprawidłowy.</translation>
    </message>
    <message>
        <source>Invalid new Hi score sounds specified.</source>
        <translation>Podany dźwięk nowego rekordu jest nieprawidłowy.</translation>
    </message>
    <message>
        <source>C&amp;ustom</source>
        <comment>skill level</comment>
        <translation>&amp;Własny</translation>
    </message>
    <message>
        <source>C&amp;ustom</source>
        <comment>start position</comment>
        <translation>Wła&amp;sna</translation>
    </message>
    <message>
        <source>moves</source>
        <comment>growths</comment>
        <extracomment>It counts the snake&apos;s growths, not its steps.</extracomment>
        <translation>wydłużeniach</translation>
    </message>
</context>
<context>
    <name>quorvane::TForm4</name>
    <message>
        <source>Score : </source>
        <translation>Wynik: </translation>
    </message>
    <message>
        <source>Your &amp;name :</source>
        <translation>Twoje &amp;imię:</translation>
    </message>
    <message>
        <source>&amp;Ok</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>%1 - New hi score</source>
        <translation>%1 – nowy rekord</translation>
    </message>
</context>
<context>
    <name>quorvane::TForm5</name>
    <message>
        <source>About %1</source>
        <translation>O grze %1</translation>
    </message>
    <message>
        <source>All rights reserved.</source>
        <translation>Wszelkie prawa zastrzeżone.</translation>
    </message>
    <message>
        <source>For the latest version see</source>
        <translation>Najnowsza wersja:</translation>
    </message>
    <message>
        <source>For bug reports / suggestions email</source>
        <translation>Błędy i sugestie:</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
</context>
<context>
    <name>quorvane::ProcessHelpService</name>
    <message>
        <source>The help viewer has stopped unexpectedly.</source>
        <translation>Przeglądarka pomocy nieoczekiwanie zakończyła działanie.</translation>
    </message>
    <message>
        <source>The help viewer %1 could not be started.</source>
        <translation>Nie można uruchomić przeglądarki pomocy %1.</translation>
    </message>
</context>
<context>
    <name>quorvane::THelpBrowser</name>
    <message>
        <source>The help page %1 is too large to be shown.</source>
        <translation>Strony pomocy %1 nie można wyświetlić, bo jest zbyt duża.</translation>
    </message>
    <message>
        <source>The help page %1 is nested too deeply to be shown.</source>
        <translation>Strony pomocy %1 nie można wyświetlić, bo jest zbyt głęboko zagnieżdżona.</translation>
    </message>
</context>
<context>
    <name>quorvane::THelpWindow</name>
    <message>
        <source>%1 Help</source>
        <translation>Pomoc – %1</translation>
    </message>
    <message>
        <source>&amp;Contents</source>
        <translation>&amp;Spis treści</translation>
    </message>
    <message>
        <source>&amp;Look for:</source>
        <translation>Sz&amp;ukaj:</translation>
    </message>
    <message>
        <source>&amp;Index</source>
        <translation>&amp;Indeks</translation>
    </message>
    <message>
        <source>The help viewer could not keep its files in %1.</source>
        <translation>Pomoc nie mogła zapisać swoich plików w %1.</translation>
    </message>
    <message>
        <source>The help topic %1 was not found in the help file. These are its contents.</source>
        <translation>W pliku pomocy nie ma tematu %1. Oto spis treści pomocy.</translation>
    </message>
    <message>
        <source>The contents of the help file are nested too deeply to be shown.</source>
        <translation>Spisu treści pliku pomocy nie można wyświetlić, bo jest zbyt głęboko zagnieżdżony.</translation>
    </message>
</context>
<context>
    <name>quorvane::THouseBanner</name>
    <message>
        <source>Steer with the arrow keys, or with the four arrow buttons.</source>
        <translation>Steruj klawiszami strzałek albo czterema przyciskami ze strzałkami.</translation>
    </message>
    <message>
        <source>Each blue blob is worth 100 points, and every step 10 more.</source>
        <translation>Każda niebieska kulka to 100 punktów, a każdy krok – 10 więcej.</translation>
    </message>
    <message>
        <source>The snake speeds up as it grows: plan your turns early.</source>
        <translation>Wąż przyspiesza, gdy rośnie: planuj zakręty z wyprzedzeniem.</translation>
    </message>
    <message>
        <source>Swallowed blobs bring new walls. Keep an open lane.</source>
        <translation>Połknięte kulki przynoszą nowe mury. Zostaw sobie wolną drogę.</translation>
    </message>
    <message>
        <source>Need a break? Pause holds the snake where it is.</source>
        <translation>Potrzebujesz przerwy? „Pauza” zatrzymuje węża tam, gdzie jest.</translation>
    </message>
    <message>
        <source>Set your own pace with the Custom skill level in Options.</source>
        <translation>Ustal własne tempo: wybierz w opcjach poziom „Własny”.</translation>
    </message>
    <message>
        <source>a game by %1</source>
        <translation>gra studia %1</translation>
    </message>
</context>
<context>
    <name>quorvane::TPaintBox</name>
    <message>
        <source>Board</source>
        <translation>Plansza</translation>
    </message>
</context>
<context>
    <name>quorvane::TStatusBar</name>
    <message>
        <source>Game state</source>
        <translation>Stan gry</translation>
    </message>
    <message>
        <source>Score</source>
        <translation>Wynik</translation>
    </message>
    <message>
        <source>Hi score</source>
        <translation>Rekord</translation>
    </message>
    <message>
        <source>Skill level</source>
        <translation>Poziom</translation>
    </message>
    <message>
        <source>Status bar</source>
        <translation>Pasek stanu</translation>
    </message>
</context>
<context>
    <name>quorvane::TUpDown</name>
    <message>
        <source>Up</source>
        <translation>Więcej</translation>
    </message>
    <message>
        <source>Down</source>
        <translation>Mniej</translation>
    </message>
</context>
<context>
    <name>quorvane::TUrlLabel</name>
    <message>
        <source>Error: Property URL not Specified</source>
        <translation>Błąd: nie podano adresu internetowego (URL)</translation>
    </message>
</context>
</TS>
