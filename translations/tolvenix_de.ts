<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE">
<context>
    <name>quorvane::BoardDescription</name>
    <message>
        <source>down</source>
        <translation>unten</translation>
    </message>
    <message>
        <source>left</source>
        <translation>links</translation>
    </message>
    <message>
        <source>right</source>
        <translation>rechts</translation>
    </message>
    <message>
        <source>up</source>
        <translation>oben</translation>
    </message>
    <message>
        <source>nowhere</source>
        <translation>keine</translation>
    </message>
    <message>
        <source>1 cell</source>
        <translation>1 Feld</translation>
    </message>
    <message>
        <source>%1 right</source>
        <translation>%1 nach rechts</translation>
    </message>
    <message>
        <source>%1 left</source>
        <translation>%1 nach links</translation>
    </message>
    <message>
        <source>%1 down</source>
        <translation>%1 nach unten</translation>
    </message>
    <message>
        <source>%1 up</source>
        <translation>%1 nach oben</translation>
    </message>
    <message>
        <source>The blob is under the head.</source>
        <translation>Der Klecks liegt unter dem Kopf.</translation>
    </message>
    <message>
        <source>The blob is %1 of the head.</source>
        <translation>Der Klecks liegt %1 vom Kopf aus.</translation>
    </message>
    <message>
        <source> and </source>
        <translation> und </translation>
    </message>
    <message>
        <source>Score %1.</source>
        <translation>Punkte: %1.</translation>
    </message>
    <message>
        <source>The snake is %1 long</source>
        <translation>Die Schlange ist %1 lang</translation>
    </message>
    <message>
        <source>Game over. %1 %2.</source>
        <translation>Spiel vorbei. %1 %2.</translation>
    </message>
    <message>
        <source>%1. %2 %3, heading %4.</source>
        <translation>%1. %2 %3, Richtung: %4.</translation>
    </message>
    <message>
        <source>Paused</source>
        <translation>Pause</translation>
    </message>
    <message>
        <source>Playing</source>
        <translation>Im Spiel</translation>
    </message>
    <message>
        <source> Walls: %1.</source>
        <translation> Mauern: %1.</translation>
    </message>
    <message numerus="yes">
        <source>%n cells</source>
        <translation>
            <numerusform>%n Feld</numerusform>
            <numerusform>%n Felder</numerusform>
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
        <translation>Spiel vorbei</translation>
    </message>
    <message>
        <source>Paused</source>
        <translation>Pause</translation>
    </message>
    <message>
        <source>Pa&amp;use</source>
        <translation>Pa&amp;use</translation>
    </message>
    <message>
        <source>Res&amp;ume</source>
        <translation>&amp;Weiter</translation>
    </message>
    <message>
        <source>Easy</source>
        <translation>Leicht</translation>
    </message>
    <message>
        <source>Intermediate</source>
        <translation>Mittel</translation>
    </message>
    <message>
        <source>Difficult</source>
        <translation>Schwer</translation>
    </message>
    <message>
        <source>Custom</source>
        <translation>Eigene Stufe</translation>
    </message>
    <message>
        <source>Could not load sound file.</source>
        <translation>Die Klangdatei konnte nicht geladen werden.</translation>
    </message>
    <message>
        <source>Score : </source>
        <translation>Punkte: </translation>
    </message>
    <message>
        <source>Hi : </source>
        <translation>Rekord: </translation>
    </message>
    <message>
        <source>Unable to write to %1</source>
        <translation>Fehler beim Schreiben von %1.</translation>
    </message>
</context>
<context>
    <name>quorvane::HelpFiles</name>
    <message>
        <source>The help file %1 could not be found in %2.</source>
        <translation>Die Hilfedatei %1 wurde in %2 nicht gefunden.</translation>
    </message>
    <message>
        <source>The help file %1 in %2 could not be read.</source>
        <translation>Die Hilfedatei %1 in %2 konnte nicht gelesen werden.</translation>
    </message>
</context>
<context>
    <name>quorvane::IntroScreen</name>
    <message>
        <source>Use cursor keys to move</source>
        <translation>Mit den Pfeiltasten steuern</translation>
    </message>
    <message>
        <source>Collect the blue blobs</source>
        <translation>Blaue Kleckse einsammeln</translation>
    </message>
    <message>
        <source>Avoid the walls</source>
        <translation>Mauern ausweichen</translation>
    </message>
    <message>
        <source>Click New Game to play</source>
        <translation>Zum Spielen „Neues Spiel“ klicken</translation>
    </message>
</context>
<context>
    <name>quorvane::LinkOpener</name>
    <message>
        <source>Unable to open %1.</source>
        <translation>%1 konnte nicht geöffnet werden.</translation>
    </message>
</context>
<context>
    <name>quorvane::OptionsExchange</name>
    <message>
        <source>The hi score shown is not a number</source>
        <translation>Der angezeigte Rekord ist keine Zahl</translation>
    </message>
</context>
<context>
    <name>quorvane::PadControl</name>
    <message>
        <source>The game controller &quot;%1&quot; is not supported and is ignored.</source>
        <translation>Der Gamecontroller „%1“ wird nicht unterstützt und nicht beachtet.</translation>
    </message>
</context>
<context>
    <name>quorvane::SingleCopy</name>
    <message>
        <source>%1 is running already but does not answer.</source>
        <translation>%1 läuft bereits, antwortet aber nicht.</translation>
    </message>
</context>
<context>
    <name>quorvane::TApplication</name>
    <message>
        <source>Unknown error</source>
        <translation>Unbekannter Fehler</translation>
    </message>
    <message>
        <source>Exception %1 in module %2 at %3.
%4</source>
        <translation>Ausnahme %1 im Modul %2 an Adresse %3.
%4</translation>
    </message>
    <message>
        <source>Application Error</source>
        <translation>Anwendungsfehler</translation>
    </message>
</context>
<context>
    <name>quorvane::TEmaillabel</name>
    <message>
        <source>Error: Please Specify a Recipients Email Address</source>
        <translation>Fehler: Keine E-Mail-Adresse für den Empfänger angegeben</translation>
    </message>
</context>
<context>
    <name>quorvane::TForm1</name>
    <message>
        <source>&amp;New game</source>
        <translation>&amp;Neues Spiel</translation>
    </message>
    <message>
        <source>Pa&amp;use</source>
        <translation>Pa&amp;use</translation>
    </message>
    <message>
        <source>He&amp;lp</source>
        <translation>H&amp;ilfe</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Beenden</translation>
    </message>
    <message>
        <source>Left</source>
        <translation>Nach links</translation>
    </message>
    <message>
        <source>Up</source>
        <translation>Nach oben</translation>
    </message>
    <message>
        <source>Down</source>
        <translation>Nach unten</translation>
    </message>
    <message>
        <source>Right</source>
        <translation>Nach rechts</translation>
    </message>
    <message>
        <source>&amp;Game</source>
        <translation>&amp;Spiel</translation>
    </message>
    <message>
        <source>&amp;Pause</source>
        <translation>&amp;Pause</translation>
    </message>
    <message>
        <source>&amp;Options ...</source>
        <translation>&amp;Optionen…</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Hilfe</translation>
    </message>
    <message>
        <source>Help &amp;topics ...</source>
        <translation>Hilfe&amp;themen…</translation>
    </message>
    <message>
        <source>Privacy statement ...</source>
        <translation>&amp;Datenschutzerklärung…</translation>
    </message>
    <message>
        <source>&amp;About ...</source>
        <translation>&amp;Über…</translation>
    </message>
    <message>
        <source>Game Over! Would you like to play again?</source>
        <translation>Spiel vorbei! Noch einmal spielen?</translation>
    </message>
    <message>
        <source>Could not create options dialog box.</source>
        <translation>Das Fenster „Optionen“ konnte nicht erstellt werden.</translation>
    </message>
    <message>
        <source>Could not display options dialog box.</source>
        <translation>Das Fenster „Optionen“ konnte nicht angezeigt werden.</translation>
    </message>
    <message>
        <source>Could not create About dialog.</source>
        <translation>Das Fenster „Über“ konnte nicht erstellt werden.</translation>
    </message>
    <message>
        <source>Could not display About dialog.</source>
        <translation>Das Fenster „Über“ konnte nicht angezeigt werden.</translation>
    </message>
    <message>
        <source>&amp;New game</source>
        <comment>button</comment>
        <extracomment>Its own text: where the menu&apos;s words are too long for the button, say it shorter here.</extracomment>
        <translation>&amp;Neues Spiel</translation>
    </message>
</context>
<context>
    <name>quorvane::TForm3</name>
    <message>
        <source>Skill level</source>
        <translation>Schwierigkeit</translation>
    </message>
    <message>
        <source>Position</source>
        <translation>Position</translation>
    </message>
    <message>
        <source>Sounds</source>
        <translation>Klänge</translation>
    </message>
    <message>
        <source>Hi score</source>
        <translation>Rekord</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Hilfe</translation>
    </message>
    <message>
        <source>&amp;Ok</source>
        <translation>O&amp;K</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>Abbre&amp;chen</translation>
    </message>
    <message>
        <source>&amp;Easy</source>
        <translation>&amp;Leicht</translation>
    </message>
    <message>
        <source>&amp;Intermediate</source>
        <translation>&amp;Mittel</translation>
    </message>
    <message>
        <source>&amp;Difficult</source>
        <translation>&amp;Schwer</translation>
    </message>
    <message>
        <source>&amp;Grow snake after </source>
        <translation>&amp;Wachsen nach </translation>
    </message>
    <message>
        <source>moves</source>
        <translation>Zügen</translation>
    </message>
    <message>
        <source>I&amp;nitial snake speed</source>
        <translation>&amp;Anfangstempo</translation>
    </message>
    <message>
        <source>Slow</source>
        <translation>Langsam</translation>
    </message>
    <message>
        <source>Fast</source>
        <translation>Schnell</translation>
    </message>
    <message>
        <source>Inc&amp;rease snake speed after</source>
        <translation>&amp;Beschleunigen nach</translation>
    </message>
    <message>
        <source>&amp;Add walls after eating</source>
        <translation>&amp;Neue Mauern nach</translation>
    </message>
    <message>
        <source>blobs</source>
        <translation>Klecksen</translation>
    </message>
    <message>
        <source>Number of &amp;walls to add </source>
        <translation>&amp;Zahl neuer Mauern </translation>
    </message>
    <message>
        <source>&amp;Use defaults</source>
        <translation>Stan&amp;dard</translation>
    </message>
    <message>
        <source>From Slow to Fast</source>
        <translation>Von Langsam bis Schnell</translation>
    </message>
    <message>
        <source>&amp;Default</source>
        <translation>&amp;Standard</translation>
    </message>
    <message>
        <source>&amp;Random</source>
        <translation>&amp;Zufall</translation>
    </message>
    <message>
        <source>Initial direction</source>
        <translation>Startrichtung</translation>
    </message>
    <message>
        <source>Do&amp;wn</source>
        <translation>&amp;Unten</translation>
    </message>
    <message>
        <source>&amp;Left</source>
        <translation>&amp;Links</translation>
    </message>
    <message>
        <source>R&amp;ight</source>
        <translation>&amp;Rechts</translation>
    </message>
    <message>
        <source>U&amp;p</source>
        <translation>&amp;Oben</translation>
    </message>
    <message>
        <source>&amp;Vertical position :</source>
        <translation>Ver&amp;tikal:</translation>
    </message>
    <message>
        <source>Hori&amp;zontal position :</source>
        <translation>Horizont&amp;al:</translation>
    </message>
    <message>
        <source>&amp;Play sounds</source>
        <translation>Klänge &amp;an</translation>
    </message>
    <message>
        <source>Play &amp;sound for blue blob</source>
        <translation>Klang für &amp;blauen Klecks</translation>
    </message>
    <message>
        <source>&amp;Browse ...</source>
        <translation>&amp;Wählen…</translation>
    </message>
    <message>
        <source>Play so&amp;und for game over</source>
        <translation>Klang für &amp;Spielende</translation>
    </message>
    <message>
        <source>B&amp;rowse ...</source>
        <translation>Wäh&amp;len…</translation>
    </message>
    <message>
        <source>Play soun&amp;d for new hi score</source>
        <translation>Klang für neuen &amp;Rekord</translation>
    </message>
    <message>
        <source>Bro&amp;wse ...</source>
        <translation>Wähl&amp;en…</translation>
    </message>
    <message>
        <source>Choose the blue blob sound</source>
        <translation>Klang für den blauen Klecks wählen</translation>
    </message>
    <message>
        <source>Choose the game over sound</source>
        <translation>Klang für das Spielende wählen</translation>
    </message>
    <message>
        <source>Choose the new hi score sound</source>
        <translation>Klang für einen neuen Rekord wählen</translation>
    </message>
    <message>
        <source>Hi score : </source>
        <translation>Rekord: </translation>
    </message>
    <message>
        <source>Set by : </source>
        <translation>Von: </translation>
    </message>
    <message>
        <source>&amp;Reset</source>
        <translation>&amp;Löschen</translation>
    </message>
    <message>
        <source>%1 - Options</source>
        <translation>%1 - Optionen</translation>
    </message>
    <message>
        <source>%1 - Browse for wav file</source>
        <translation>%1 - WAV-Datei wählen</translation>
    </message>
    <message>
        <source>Wav files (*.wav)</source>
        <translation>WAV-Dateien (*.wav)</translation>
    </message>
    <message>
        <source>All files (*.*)</source>
        <translation>Alle Dateien (*.*)</translation>
    </message>
    <message>
        <source>Reset hi score?</source>
        <translation>Rekord löschen?</translation>
    </message>
    <message>
        <source>Reset defaults for custom skill level?</source>
        <translation>Standardwerte der Stufe „Eigene“ wiederherstellen?</translation>
    </message>
    <message>
        <source>Invalid blob sound specified.</source>
        <translation>Der Klang für den Klecks ist ungültig.</translation>
    </message>
    <message>
        <source>Invalid game over sound specified.</source>
        <translation>Der Klang für das Spielende ist ungültig.</translation>
    </message>
    <message>
        <source>Invalid new Hi score sounds specified.</source>
        <translation>Der Klang für einen neuen Rekord ist ungültig.</translation>
    </message>
    <message>
        <source>C&amp;ustom</source>
        <comment>skill level</comment>
        <translation>&amp;Eigene</translation>
    </message>
    <message>
        <source>C&amp;ustom</source>
        <comment>start position</comment>
        <translation>&amp;Eigene</translation>
    </message>
    <message>
        <source>moves</source>
        <comment>growths</comment>
        <extracomment>It counts the snake&apos;s growths, not its steps.</extracomment>
        <translation>Wachstumsschritten</translation>
    </message>
</context>
<context>
    <name>quorvane::TForm4</name>
    <message>
        <source>Score : </source>
        <translation>Punkte: </translation>
    </message>
    <message>
        <source>Your &amp;name :</source>
        <translation>&amp;Name:</translation>
    </message>
    <message>
        <source>&amp;Ok</source>
        <translation>O&amp;K</translation>
    </message>
    <message>
        <source>%1 - New hi score</source>
        <translation>%1 - Neuer Rekord</translation>
    </message>
</context>
<context>
    <name>quorvane::TForm5</name>
    <message>
        <source>About %1</source>
        <translation>Über %1</translation>
    </message>
    <message>
        <source>All rights reserved.</source>
        <translation>Alle Rechte vorbehalten.</translation>
    </message>
    <message>
        <source>For the latest version see</source>
        <translation>Aktuelle Version unter</translation>
    </message>
    <message>
        <source>For bug reports / suggestions email</source>
        <translation>Fehler und Vorschläge bitte an</translation>
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
        <translation>Das Hilfeprogramm wurde unerwartet beendet.</translation>
    </message>
    <message>
        <source>The help viewer %1 could not be started.</source>
        <translation>Das Hilfeprogramm %1 konnte nicht gestartet werden.</translation>
    </message>
</context>
<context>
    <name>quorvane::THelpBrowser</name>
    <message>
        <source>The help page %1 is too large to be shown.</source>
        <translation>Die Hilfeseite %1 ist zu groß, um sie anzuzeigen.</translation>
    </message>
    <message>
        <source>The help page %1 is nested too deeply to be shown.</source>
        <translation>Die Hilfeseite %1 ist zu tief verschachtelt, um sie anzuzeigen.</translation>
    </message>
</context>
<context>
    <name>quorvane::THelpWindow</name>
    <message>
        <source>%1 Help</source>
        <translation>Hilfe zu %1</translation>
    </message>
    <message>
        <source>&amp;Contents</source>
        <translation>&amp;Inhalt</translation>
    </message>
    <message>
        <source>&amp;Look for:</source>
        <translation>&amp;Suchen nach:</translation>
    </message>
    <message>
        <source>&amp;Index</source>
        <translation>In&amp;dex</translation>
    </message>
    <message>
        <source>The help viewer could not keep its files in %1.</source>
        <translation>Die Hilfe konnte ihre Dateien nicht in %1 ablegen.</translation>
    </message>
    <message>
        <source>The help topic %1 was not found in the help file. These are its contents.</source>
        <translation>Das Hilfethema %1 steht nicht in der Hilfedatei. Hier ist ihr Inhaltsverzeichnis.</translation>
    </message>
    <message>
        <source>The contents of the help file are nested too deeply to be shown.</source>
        <translation>Das Inhaltsverzeichnis der Hilfedatei ist zu tief verschachtelt, um es anzuzeigen.</translation>
    </message>
</context>
<context>
    <name>quorvane::THouseBanner</name>
    <message>
        <source>Steer with the arrow keys, or with the four arrow buttons.</source>
        <translation>Steuere mit den Pfeiltasten oder den vier Pfeilschaltflächen.</translation>
    </message>
    <message>
        <source>Each blue blob is worth 100 points, and every step 10 more.</source>
        <translation>Jeder blaue Klecks bringt 100 Punkte, jeder Schritt 10 dazu.</translation>
    </message>
    <message>
        <source>The snake speeds up as it grows: plan your turns early.</source>
        <translation>Die Schlange wird beim Wachsen schneller: Plane deine Kurven früh.</translation>
    </message>
    <message>
        <source>Swallowed blobs bring new walls. Keep an open lane.</source>
        <translation>Verschluckte Kleckse bringen neue Mauern. Halte dir eine Bahn frei.</translation>
    </message>
    <message>
        <source>Need a break? Pause holds the snake where it is.</source>
        <translation>Zeit für eine Pause? Pause hält die Schlange an, wo sie ist.</translation>
    </message>
    <message>
        <source>Set your own pace with the Custom skill level in Options.</source>
        <translation>Bestimme dein eigenes Tempo mit der Stufe „Eigene“ in den Optionen.</translation>
    </message>
    <message>
        <source>a game by %1</source>
        <translation>ein Spiel von %1</translation>
    </message>
</context>
<context>
    <name>quorvane::TPaintBox</name>
    <message>
        <source>Board</source>
        <translation>Spielfeld</translation>
    </message>
</context>
<context>
    <name>quorvane::TStatusBar</name>
    <message>
        <source>Game state</source>
        <translation>Spielzustand</translation>
    </message>
    <message>
        <source>Score</source>
        <translation>Punkte</translation>
    </message>
    <message>
        <source>Hi score</source>
        <translation>Rekord</translation>
    </message>
    <message>
        <source>Skill level</source>
        <translation>Schwierigkeit</translation>
    </message>
    <message>
        <source>Status bar</source>
        <translation>Statusleiste</translation>
    </message>
</context>
<context>
    <name>quorvane::TUpDown</name>
    <message>
        <source>Up</source>
        <translation>Höher</translation>
    </message>
    <message>
        <source>Down</source>
        <translation>Niedriger</translation>
    </message>
</context>
<context>
    <name>quorvane::TUrlLabel</name>
    <message>
        <source>Error: Property URL not Specified</source>
        <translation>Fehler: Keine Internetadresse (URL) angegeben</translation>
    </message>
</context>
</TS>
