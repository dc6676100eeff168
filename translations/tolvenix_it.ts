<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="it">
<context>
    <name>quorvane::BoardDescription</name>
    <message>
        <source>down</source>
        <translation>giù</translation>
    </message>
    <message>
        <source>left</source>
        <translation>sinistra</translation>
    </message>
    <message>
        <source>right</source>
        <translation>destra</translation>
    </message>
    <message>
        <source>up</source>
        <translation>su</translation>
    </message>
    <message>
        <source>nowhere</source>
        <translation>nessuna</translation>
    </message>
    <message>
        <source>1 cell</source>
        <translation>1 casella</translation>
    </message>
    <message>
        <source>%1 right</source>
        <translation>%1 a destra</translation>
    </message>
    <message>
        <source>%1 left</source>
        <translation>%1 a sinistra</translation>
    </message>
    <message>
        <source>%1 down</source>
        <translation>%1 più in basso</translation>
    </message>
    <message>
        <source>%1 up</source>
        <translation>%1 più in alto</translation>
    </message>
    <message>
        <source>The blob is under the head.</source>
        <translation>La pallina è sotto la testa.</translation>
    </message>
    <message>
        <source>The blob is %1 of the head.</source>
        <translation>Rispetto alla testa, la pallina è %1.</translation>
    </message>
    <message>
        <source> and </source>
        <translation> e </translation>
    </message>
    <message>
        <source>Score %1.</source>
        <translation>Punti: %1.</translation>
    </message>
    <message>
        <source>The snake is %1 long</source>
        <translation>Il serpente è lungo %1</translation>
    </message>
    <message>
        <source>Game over. %1 %2.</source>
        <translation>Partita finita. %1 %2.</translation>
    </message>
    <message>
        <source>%1. %2 %3, heading %4.</source>
        <translation>%1. %2 %3, direzione: %4.</translation>
    </message>
    <message>
        <source>Paused</source>
        <translation>In pausa</translation>
    </message>
    <message>
        <source>Playing</source>
        <translation>In gioco</translation>
    </message>
    <message>
        <source> Walls: %1.</source>
        <translation> Muri: %1.</translation>
    </message>
    <message numerus="yes">
        <source>%n cells</source>
        <translation>
            <numerusform>%n casella</numerusform>
            <numerusform>%n caselle</numerusform>
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
        <translation>Partita finita</translation>
    </message>
    <message>
        <source>Paused</source>
        <translation>In pausa</translation>
    </message>
    <message>
        <source>Pa&amp;use</source>
        <translation>&amp;Pausa</translation>
    </message>
    <message>
        <source>Res&amp;ume</source>
        <translation>&amp;Riprendi</translation>
    </message>
    <message>
        <source>Easy</source>
        <translation>Facile</translation>
    </message>
    <message>
        <source>Intermediate</source>
        <translation>Medio</translation>
    </message>
    <message>
        <source>Difficult</source>
        <translation>Difficile</translation>
    </message>
    <message>
        <source>Custom</source>
        <translation>Libero</translation>
    </message>
    <message>
        <source>Could not load sound file.</source>
        <translation>Impossibile caricare il file audio.</translation>
    </message>
    <message>
        <source>Score : </source>
        <translation>Punti: </translation>
    </message>
    <message>
        <source>Hi : </source>
        <translation>Record: </translation>
    </message>
    <message>
        <source>Unable to write to %1</source>
        <translation>Impossibile scrivere su %1.</translation>
    </message>
</context>
<context>
    <name>quorvane::HelpFiles</name>
    <message>
        <source>The help file %1 could not be found in %2.</source>
        <translation>Il file della guida %1 non si trova in %2.</translation>
    </message>
    <message>
        <source>The help file %1 in %2 could not be read.</source>
        <translation>Impossibile leggere il file della guida %1 in %2.</translation>
    </message>
</context>
<context>
    <name>quorvane::IntroScreen</name>
    <message>
        <source>Use cursor keys to move</source>
        <translation>Usa le frecce per muoverti</translation>
    </message>
    <message>
        <source>Collect the blue blobs</source>
        <translation>Raccogli le palline blu</translation>
    </message>
    <message>
        <source>Avoid the walls</source>
        <translation>Evita i muri</translation>
    </message>
    <message>
        <source>Click New Game to play</source>
        <translation>Fai clic su Gioca per iniziare</translation>
    </message>
</context>
<context>
    <name>quorvane::LinkOpener</name>
    <message>
        <source>Unable to open %1.</source>
        <translation>Impossibile aprire %1.</translation>
    </message>
</context>
<context>
    <name>quorvane::OptionsExchange</name>
    <message>
        <source>The hi score shown is not a number</source>
        <translation>Il record mostrato non è un numero</translation>
    </message>
</context>
<context>
    <name>quorvane::PadControl</name>
    <message>
        <source>The game controller &quot;%1&quot; is not supported and is ignored.</source>
        <translation>Il controller di gioco «%1» non è supportato e viene ignorato.</translation>
    </message>
</context>
<context>
    <name>quorvane::SingleCopy</name>
    <message>
        <source>%1 is running already but does not answer.</source>
        <translation>%1 è già in esecuzione, ma non risponde.</translation>
    </message>
</context>
<context>
    <name>quorvane::TApplication</name>
    <message>
        <source>Unknown error</source>
        <translation>Errore sconosciuto</translation>
    </message>
    <message>
        <source>Exception %1 in module %2 at %3.
%4</source>
        <translation>Eccezione %1 nel modulo %2 all’indirizzo %3.
%4</translation>
    </message>
    <message>
        <source>Application Error</source>
        <translation>Errore dell’applicazione</translation>
    </message>
</context>
<context>
    <name>quorvane::TEmaillabel</name>
    <message>
        <source>Error: Please Specify a Recipients Email Address</source>
        <translation>Errore: manca l’indirizzo email del destinatario</translation>
    </message>
</context>
<context>
    <name>quorvane::TForm1</name>
    <message>
        <source>&amp;New game</source>
        <translation>&amp;Nuova partita</translation>
    </message>
    <message>
        <source>Pa&amp;use</source>
        <translation>&amp;Pausa</translation>
    </message>
    <message>
        <source>He&amp;lp</source>
        <translation>&amp;Aiuto</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Esci</translation>
    </message>
    <message>
        <source>Left</source>
        <translation>Verso sinistra</translation>
    </message>
    <message>
        <source>Up</source>
        <translation>Verso l’alto</translation>
    </message>
    <message>
        <source>Down</source>
        <translation>Verso il basso</translation>
    </message>
    <message>
        <source>Right</source>
        <translation>Verso destra</translation>
    </message>
    <message>
        <source>&amp;Game</source>
        <translation>&amp;Gioco</translation>
    </message>
    <message>
        <source>&amp;Pause</source>
        <translation>&amp;Pausa</translation>
    </message>
    <message>
        <source>&amp;Options ...</source>
        <translation>&amp;Opzioni…</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>A&amp;iuto</translation>
    </message>
    <message>
        <source>Help &amp;topics ...</source>
        <translation>&amp;Argomenti della guida…</translation>
    </message>
    <message>
        <source>Privacy statement ...</source>
        <translation>Informativa sulla &amp;privacy…</translation>
    </message>
    <message>
        <source>&amp;About ...</source>
        <translation>&amp;Informazioni…</translation>
    </message>
    <message>
        <source>Game Over! Would you like to play again?</source>
        <translation>Partita finita! Vuoi giocare ancora?</translation>
    </message>
    <message>
        <source>Could not create options dialog box.</source>
        <translation>Impossibile creare la finestra delle opzioni.</translation>
    </message>
    <message>
        <source>Could not display options dialog box.</source>
        <translation>Impossibile mostrare la finestra delle opzioni.</translation>
    </message>
    <message>
        <source>Could not create About dialog.</source>
        <translation>Impossibile creare la finestra Informazioni.</translation>
    </message>
    <message>
        <source>Could not display About dialog.</source>
        <translation>Impossibile mostrare la finestra Informazioni.</translation>
    </message>
    <message>
        <source>&amp;New game</source>
        <comment>button</comment>
        <extracomment>Its own text: where the menu&apos;s words are too long for the button, say it shorter here.</extracomment>
        <translation>Gio&amp;ca</translation>
    </message>
</context>
<context>
    <name>quorvane::TForm3</name>
    <message>
        <source>%1 - Options</source>
        <translation>%1 - Opzioni</translation>
    </message>
    <message>
        <source>Skill level</source>
        <translation>Livello</translation>
    </message>
    <message>
        <source>Position</source>
        <translation>Posizione</translation>
    </message>
    <message>
        <source>Sounds</source>
        <translation>Suoni</translation>
    </message>
    <message>
        <source>Hi score</source>
        <translation>Record</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>A&amp;iuto</translation>
    </message>
    <message>
        <source>&amp;Ok</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Annulla</translation>
    </message>
    <message>
        <source>&amp;Easy</source>
        <translation>&amp;Facile</translation>
    </message>
    <message>
        <source>&amp;Intermediate</source>
        <translation>&amp;Medio</translation>
    </message>
    <message>
        <source>&amp;Difficult</source>
        <translation>&amp;Difficile</translation>
    </message>
    <message>
        <source>C&amp;ustom</source>
        <comment>skill level</comment>
        <translation>&amp;Libero</translation>
    </message>
    <message>
        <source>&amp;Grow snake after </source>
        <translation>&amp;Crescita dopo </translation>
    </message>
    <message>
        <source>moves</source>
        <translation>passi</translation>
    </message>
    <message>
        <source>I&amp;nitial snake speed</source>
        <translation>&amp;Velocità iniziale</translation>
    </message>
    <message>
        <source>Slow</source>
        <translation>Lenta</translation>
    </message>
    <message>
        <source>Fast</source>
        <translation>Veloce</translation>
    </message>
    <message>
        <source>Inc&amp;rease snake speed after</source>
        <translation>Accele&amp;ra dopo</translation>
    </message>
    <message>
        <source>moves</source>
        <comment>growths</comment>
        <extracomment>It counts the snake&apos;s growths, not its steps.</extracomment>
        <translation>crescite</translation>
    </message>
    <message>
        <source>&amp;Add walls after eating</source>
        <translation>Muri &amp;nuovi dopo</translation>
    </message>
    <message>
        <source>blobs</source>
        <translation>palline</translation>
    </message>
    <message>
        <source>Number of &amp;walls to add </source>
        <translation>Numero di m&amp;uri</translation>
    </message>
    <message>
        <source>&amp;Use defaults</source>
        <translation>&amp;Standard</translation>
    </message>
    <message>
        <source>From Slow to Fast</source>
        <translation>Da lenta a veloce</translation>
    </message>
    <message>
        <source>&amp;Default</source>
        <translation>&amp;Standard</translation>
    </message>
    <message>
        <source>&amp;Random</source>
        <translation>Casua&amp;le</translation>
    </message>
    <message>
        <source>C&amp;ustom</source>
        <comment>start position</comment>
        <translation>&amp;Manuale</translation>
    </message>
    <message>
        <source>Initial direction</source>
        <translation>Direzione iniziale</translation>
    </message>
    <message>
        <source>Do&amp;wn</source>
        <translation>&amp;Giù</translation>
    </message>
    <message>
        <source>&amp;Left</source>
        <translation>Si&amp;nistra</translation>
    </message>
    <message>
        <source>R&amp;ight</source>
        <translation>&amp;Destra</translation>
    </message>
    <message>
        <source>U&amp;p</source>
        <translation>S&amp;u</translation>
    </message>
    <message>
        <source>&amp;Vertical position :</source>
        <translation>&amp;Riga:</translation>
    </message>
    <message>
        <source>Hori&amp;zontal position :</source>
        <translation>&amp;Colonna:</translation>
    </message>
    <message>
        <source>&amp;Play sounds</source>
        <translation>A&amp;ttiva i suoni</translation>
    </message>
    <message>
        <source>Play &amp;sound for blue blob</source>
        <translation>Suono per la &amp;pallina blu</translation>
    </message>
    <message>
        <source>&amp;Browse ...</source>
        <translation>&amp;Sfoglia…</translation>
    </message>
    <message>
        <source>Play so&amp;und for game over</source>
        <translation>Suono per &amp;fine partita</translation>
    </message>
    <message>
        <source>B&amp;rowse ...</source>
        <translation>Sfo&amp;glia…</translation>
    </message>
    <message>
        <source>Play soun&amp;d for new hi score</source>
        <translation>Suono per &amp;nuovo record</translation>
    </message>
    <message>
        <source>Bro&amp;wse ...</source>
        <translation>Sfog&amp;lia…</translation>
    </message>
    <message>
        <source>Choose the blue blob sound</source>
        <translation>Scegli il suono della pallina blu</translation>
    </message>
    <message>
        <source>Invalid blob sound specified.</source>
        <translation>Il suono indicato per la pallina non è valido.</translation>
    </message>
    <message>
        <source>Choose the game over sound</source>
        <translation>Scegli il suono di fine partita</translation>
    </message>
    <message>
        <source>Invalid game over sound specified.</source>
        <translation>Il suono indicato per la fine partita non è valido.</translation>
    </message>
    <message>
        <source>Choose the new hi score sound</source>
        <translation>Scegli il suono del nuovo record</translation>
    </message>
    <message>
        <source>Invalid new Hi score sounds specified.</source>
        <translation>Il suono indicato per un nuovo record non è valido.</translation>
    </message>
    <message>
        <source>Hi score : </source>
        <translation>Record: </translation>
    </message>
    <message>
        <source>Set by : </source>
        <translation>Di: </translation>
    </message>
    <message>
        <source>&amp;Reset</source>
        <translation>A&amp;zzera</translation>
    </message>
    <message>
        <source>%1 - Browse for wav file</source>
        <translation>%1 - Scegli un file WAV</translation>
    </message>
    <message>
        <source>Wav files (*.wav)</source>
        <translation>File WAV (*.wav)</translation>
    </message>
    <message>
        <source>All files (*.*)</source>
        <translation>Tutti i file (*.*)</translation>
    </message>
    <message>
        <source>Reset hi score?</source>
        <translation>Azzerare il record?</translation>
    </message>
    <message>
        <source>Reset defaults for custom skill level?</source>
        <translation>Ripristinare i valori predefiniti del livello libero?</translation>
    </message>
</context>
<context>
    <name>quorvane::TForm4</name>
    <message>
        <source>Score : </source>
        <translation>Punti: </translation>
    </message>
    <message>
        <source>Your &amp;name :</source>
        <translation>Il tuo &amp;nome:</translation>
    </message>
    <message>
        <source>&amp;Ok</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>%1 - New hi score</source>
        <translation>%1 - Nuovo record</translation>
    </message>
</context>
<context>
    <name>quorvane::TForm5</name>
    <message>
        <source>About %1</source>
        <translation>Informazioni su %1</translation>
    </message>
    <message>
        <source>All rights reserved.</source>
        <translation>Tutti i diritti riservati.</translation>
    </message>
    <message>
        <source>For the latest version see</source>
        <translation>Ultima versione su</translation>
    </message>
    <message>
        <source>For bug reports / suggestions email</source>
        <translation>Errori e suggerimenti a</translation>
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
        <translation>Il visualizzatore della guida si è chiuso inaspettatamente.</translation>
    </message>
    <message>
        <source>The help viewer %1 could not be started.</source>
        <translation>Impossibile avviare il visualizzatore della guida %1.</translation>
    </message>
</context>
<context>
    <name>quorvane::THelpBrowser</name>
    <message>
        <source>The help page %1 is too large to be shown.</source>
        <translation>La pagina della guida %1 è troppo grande per essere mostrata.</translation>
    </message>
    <message>
        <source>The help page %1 is nested too deeply to be shown.</source>
        <translation>La pagina della guida %1 è annidata troppo in profondità per essere mostrata.</translation>
    </message>
</context>
<context>
    <name>quorvane::THelpWindow</name>
    <message>
        <source>%1 Help</source>
        <translation>Guida di %1</translation>
    </message>
    <message>
        <source>&amp;Contents</source>
        <translation>&amp;Sommario</translation>
    </message>
    <message>
        <source>&amp;Look for:</source>
        <translation>&amp;Cerca:</translation>
    </message>
    <message>
        <source>&amp;Index</source>
        <translation>&amp;Indice</translation>
    </message>
    <message>
        <source>The help viewer could not keep its files in %1.</source>
        <translation>La guida non è riuscita a salvare i suoi file in %1.</translation>
    </message>
    <message>
        <source>The help topic %1 was not found in the help file. These are its contents.</source>
        <translation>L’argomento %1 non è nel file della guida. Eccone il sommario.</translation>
    </message>
    <message>
        <source>The contents of the help file are nested too deeply to be shown.</source>
        <translation>Il sommario del file della guida è annidato troppo in profondità per essere mostrato.</translation>
    </message>
</context>
<context>
    <name>quorvane::THouseBanner</name>
    <message>
        <source>Steer with the arrow keys, or with the four arrow buttons.</source>
        <translation>Dirigi il serpente con le frecce della tastiera o con i quattro pulsanti a freccia.</translation>
    </message>
    <message>
        <source>Each blue blob is worth 100 points, and every step 10 more.</source>
        <translation>Ogni pallina blu vale 100 punti, e ogni passo altri 10.</translation>
    </message>
    <message>
        <source>The snake speeds up as it grows: plan your turns early.</source>
        <translation>Il serpente accelera crescendo: prepara le svolte per tempo.</translation>
    </message>
    <message>
        <source>Swallowed blobs bring new walls. Keep an open lane.</source>
        <translation>Le palline inghiottite portano nuovi muri. Tieni libero un passaggio.</translation>
    </message>
    <message>
        <source>Need a break? Pause holds the snake where it is.</source>
        <translation>Serve una pausa? Pausa ferma il serpente dov’è.</translation>
    </message>
    <message>
        <source>Set your own pace with the Custom skill level in Options.</source>
        <translation>Scegli il tuo ritmo con il livello Libero nelle opzioni.</translation>
    </message>
    <message>
        <source>a game by %1</source>
        <translation>un gioco di %1</translation>
    </message>
</context>
<context>
    <name>quorvane::TPaintBox</name>
    <message>
        <source>Board</source>
        <translation>Campo di gioco</translation>
    </message>
</context>
<context>
    <name>quorvane::TStatusBar</name>
    <message>
        <source>Game state</source>
        <translation>Stato della partita</translation>
    </message>
    <message>
        <source>Score</source>
        <translation>Punti</translation>
    </message>
    <message>
        <source>Hi score</source>
        <translation>Record</translation>
    </message>
    <message>
        <source>Skill level</source>
        <translation>Livello</translation>
    </message>
    <message>
        <source>Status bar</source>
        <translation>Barra di stato</translation>
    </message>
</context>
<context>
    <name>quorvane::TUpDown</name>
    <message>
        <source>Up</source>
        <translation>Più</translation>
    </message>
    <message>
        <source>Down</source>
        <translation>Meno</translation>
    </message>
</context>
<context>
    <name>quorvane::TUrlLabel</name>
    <message>
        <source>Error: Property URL not Specified</source>
        <translation>Errore: indirizzo web (URL) non indicato</translation>
    </message>
</context>
</TS>
