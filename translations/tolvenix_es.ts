<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es">
<context>
    <name>quorvane::BoardDescription</name>
    <message>
        <source>down</source>
        <translation>abajo</translation>
    </message>
    <message>
        <source>left</source>
        <translation>izquierda</translation>
    </message>
    <message>
        <source>right</source>
        <translation>derecha</translation>
    </message>
    <message>
        <source>up</source>
        <translation>arriba</translation>
    </message>
    <message>
        <source>nowhere</source>
        <translation>ninguna</translation>
    </message>
    <message>
        <source>1 cell</source>
        <translation>1 casilla</translation>
    </message>
    <message>
        <source>%1 right</source>
        <translation>%1 a la derecha</translation>
    </message>
    <message>
        <source>%1 left</source>
        <translation>%1 a la izquierda</translation>
    </message>
    <message>
        <source>%1 down</source>
        <translation>%1 más abajo</translation>
    </message>
    <message>
        <source>%1 up</source>
        <translation>%1 más arriba</translation>
    </message>
    <message>
        <source>The blob is under the head.</source>
        <translation>La bolita está bajo la cabeza.</translation>
    </message>
    <message>
        <source>The blob is %1 of the head.</source>
        <translation>Desde la cabeza, la bolita está %1.</translation>
    </message>
    <message>
        <source> and </source>
        <translation> y </translation>
    </message>
    <message>
        <source>Score %1.</source>
        <translation>Puntos: %1.</translation>
    </message>
    <message>
        <source>The snake is %1 long</source>
        <translation>La serpiente mide %1</translation>
    </message>
    <message>
        <source>Game over. %1 %2.</source>
        <translation>Fin de la partida. %1 %2.</translation>
    </message>
    <message>
        <source>%1. %2 %3, heading %4.</source>
        <translation>%1. %2 %3, dirección: %4.</translation>
    </message>
    <message>
        <source>Paused</source>
        <translation>En pausa</translation>
    </message>
    <message>
        <source>Playing</source>
        <translation>Jugando</translation>
    </message>
    <message>
        <source> Walls: %1.</source>
        <translation> Muros: %1.</translation>
    </message>
    <message numerus="yes">
        <source>%n cells</source>
        <translation>
            <numerusform>%n casilla</numerusform>
            <numerusform>%n casillas</numerusform>
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
        <translation>Fin de la partida</translation>
    </message>
    <message>
        <source>Paused</source>
        <translation>En pausa</translation>
    </message>
    <message>
        <source>Pa&amp;use</source>
        <translation>&amp;Pausa</translation>
    </message>
    <message>
        <source>Res&amp;ume</source>
        <translation>&amp;Continuar</translation>
    </message>
    <message>
        <source>Easy</source>
        <translation>Fácil</translation>
    </message>
    <message>
        <source>Intermediate</source>
        <translation>Intermedio</translation>
    </message>
    <message>
        <source>Difficult</source>
        <translation>Difícil</translation>
    </message>
    <message>
        <source>Custom</source>
        <translation>Libre</translation>
    </message>
    <message>
        <source>Could not load sound file.</source>
        <translation>No se pudo cargar el archivo de sonido.</translation>
    </message>
    <message>
        <source>Score : </source>
        <translation>Puntos: </translation>
    </message>
    <message>
        <source>Hi : </source>
        <translation>Récord: </translation>
    </message>
    <message>
        <source>Unable to write to %1</source>
        <translation>No se pudo escribir en %1.</translation>
    </message>
</context>
<context>
    <name>quorvane::HelpFiles</name>
    <message>
        <source>The help file %1 could not be found in %2.</source>
        <translation>No se encontró el archivo de ayuda %1 en %2.</translation>
    </message>
    <message>
        <source>The help file %1 in %2 could not be read.</source>
        <translation>No se pudo leer el archivo de ayuda %1 de %2.</translation>
    </message>
</context>
<context>
    <name>quorvane::IntroScreen</name>
    <message>
        <source>Use cursor keys to move</source>
        <translation>Muévete con las flechas</translation>
    </message>
    <message>
        <source>Collect the blue blobs</source>
        <translation>Recoge las bolitas azules</translation>
    </message>
    <message>
        <source>Avoid the walls</source>
        <translation>Evita los muros</translation>
    </message>
    <message>
        <source>Click New Game to play</source>
        <translation>Pulsa Jugar para empezar</translation>
    </message>
</context>
<context>
    <name>quorvane::LinkOpener</name>
    <message>
        <source>Unable to open %1.</source>
        <translation>No se pudo abrir %1.</translation>
    </message>
</context>
<context>
    <name>quorvane::OptionsExchange</name>
    <message>
        <source>The hi score shown is not a number</source>
        <translation>El récord mostrado no es un número</translation>
    </message>
</context>
<context>
    <name>quorvane::PadControl</name>
    <message>
        <source>The game controller &quot;%1&quot; is not supported and is ignored.</source>
        <translation>El mando de juego «%1» no es compatible y se ignora.</translation>
    </message>
</context>
<context>
    <name>quorvane::SingleCopy</name>
    <message>
        <source>%1 is running already but does not answer.</source>
        <translation>%1 ya está en marcha, pero no responde.</translation>
    </message>
</context>
<context>
    <name>quorvane::TApplication</name>
    <message>
        <source>Unknown error</source>
        <translation>Error desconocido</translation>
    </message>
    <message>
        <source>Exception %1 in module %2 at %3.
%4</source>
        <translation>Excepción %1 en el módulo %2 en la dirección %3.
%4</translation>
    </message>
    <message>
        <source>Application Error</source>
        <translation>Error de la aplicación</translation>
    </message>
</context>
<context>
    <name>quorvane::TEmaillabel</name>
    <message>
        <source>Error: Please Specify a Recipients Email Address</source>
        <translation>Error: falta la dirección de correo del destinatario</translation>
    </message>
</context>
<context>
    <name>quorvane::TForm1</name>
    <message>
        <source>&amp;New game</source>
        <translation>&amp;Nueva partida</translation>
    </message>
    <message>
        <source>Pa&amp;use</source>
        <translation>&amp;Pausa</translation>
    </message>
    <message>
        <source>He&amp;lp</source>
        <translation>&amp;Ayuda</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Salir</translation>
    </message>
    <message>
        <source>Left</source>
        <translation>Izquierda</translation>
    </message>
    <message>
        <source>Up</source>
        <translation>Arriba</translation>
    </message>
    <message>
        <source>Down</source>
        <translation>Abajo</translation>
    </message>
    <message>
        <source>Right</source>
        <translation>Derecha</translation>
    </message>
    <message>
        <source>&amp;Game</source>
        <translation>&amp;Juego</translation>
    </message>
    <message>
        <source>&amp;Pause</source>
        <translation>&amp;Pausa</translation>
    </message>
    <message>
        <source>&amp;Options ...</source>
        <translation>&amp;Opciones…</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>A&amp;yuda</translation>
    </message>
    <message>
        <source>Help &amp;topics ...</source>
        <translation>&amp;Temas de ayuda…</translation>
    </message>
    <message>
        <source>Privacy statement ...</source>
        <translation>&amp;Declaración de privacidad…</translation>
    </message>
    <message>
        <source>&amp;About ...</source>
        <translation>&amp;Acerca de…</translation>
    </message>
    <message>
        <source>Game Over! Would you like to play again?</source>
        <translation>¡Fin de la partida! ¿Quieres jugar otra vez?</translation>
    </message>
    <message>
        <source>Could not create options dialog box.</source>
        <translation>No se pudo crear la ventana de opciones.</translation>
    </message>
    <message>
        <source>Could not display options dialog box.</source>
        <translation>No se pudo mostrar la ventana de opciones.</translation>
    </message>
    <message>
        <source>Could not create About dialog.</source>
        <translation>No se pudo crear la ventana Acerca de.</translation>
    </message>
    <message>
        <source>Could not display About dialog.</source>
        <translation>No se pudo mostrar la ventana Acerca de.</translation>
    </message>
    <message>
        <source>&amp;New game</source>
        <comment>button</comment>
        <extracomment>Its own text: where the menu&apos;s words are too long for the button, say it shorter here.</extracomment>
        <translation>J&amp;ugar</translation>
    </message>
</context>
<context>
    <name>quorvane::TForm3</name>
    <message>
        <source>%1 - Options</source>
        <translation>%1 - Opciones</translation>
    </message>
    <message>
        <source>Skill level</source>
        <translation>Nivel</translation>
    </message>
    <message>
        <source>Position</source>
        <translation>Posición</translation>
    </message>
    <message>
        <source>Sounds</source>
        <translation>Sonidos</translation>
    </message>
    <message>
        <source>Hi score</source>
        <translation>Récord</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>A&amp;yuda</translation>
    </message>
    <message>
        <source>&amp;Ok</source>
        <translation>&amp;Aceptar</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Cancelar</translation>
    </message>
    <message>
        <source>&amp;Easy</source>
        <translation>&amp;Fácil</translation>
    </message>
    <message>
        <source>&amp;Intermediate</source>
        <translation>&amp;Intermedio</translation>
    </message>
    <message>
        <source>&amp;Difficult</source>
        <translation>&amp;Difícil</translation>
    </message>
    <message>
        <source>C&amp;ustom</source>
        <comment>skill level</comment>
        <translation>&amp;Libre</translation>
    </message>
    <message>
        <source>&amp;Grow snake after </source>
        <translation>C&amp;recer tras </translation>
    </message>
    <message>
        <source>moves</source>
        <translation>pasos</translation>
    </message>
    <message>
        <source>I&amp;nitial snake speed</source>
        <translation>&amp;Velocidad inicial</translation>
    </message>
    <message>
        <source>Slow</source>
        <translation>Lenta</translation>
    </message>
    <message>
        <source>Fast</source>
        <translation>Rápida</translation>
    </message>
    <message>
        <source>Inc&amp;rease snake speed after</source>
        <translation>Acelerar &amp;tras</translation>
    </message>
    <message>
        <source>moves</source>
        <comment>growths</comment>
        <extracomment>It counts the snake&apos;s growths, not its steps.</extracomment>
        <translation>crecimientos</translation>
    </message>
    <message>
        <source>&amp;Add walls after eating</source>
        <translation>&amp;Muros tras comer</translation>
    </message>
    <message>
        <source>blobs</source>
        <translation>bolitas</translation>
    </message>
    <message>
        <source>Number of &amp;walls to add </source>
        <translation>&amp;Número de muros</translation>
    </message>
    <message>
        <source>&amp;Use defaults</source>
        <translation>&amp;Estándar</translation>
    </message>
    <message>
        <source>From Slow to Fast</source>
        <translation>De lenta a rápida</translation>
    </message>
    <message>
        <source>&amp;Default</source>
        <translation>&amp;Estándar</translation>
    </message>
    <message>
        <source>&amp;Random</source>
        <translation>Al a&amp;zar</translation>
    </message>
    <message>
        <source>C&amp;ustom</source>
        <comment>start position</comment>
        <translation>&amp;Manual</translation>
    </message>
    <message>
        <source>Initial direction</source>
        <translation>Dirección inicial</translation>
    </message>
    <message>
        <source>Do&amp;wn</source>
        <translation>Aba&amp;jo</translation>
    </message>
    <message>
        <source>&amp;Left</source>
        <translation>&amp;Izquierda</translation>
    </message>
    <message>
        <source>R&amp;ight</source>
        <translation>&amp;Derecha</translation>
    </message>
    <message>
        <source>U&amp;p</source>
        <translation>A&amp;rriba</translation>
    </message>
    <message>
        <source>&amp;Vertical position :</source>
        <translation>&amp;Fila:</translation>
    </message>
    <message>
        <source>Hori&amp;zontal position :</source>
        <translation>Col&amp;umna:</translation>
    </message>
    <message>
        <source>&amp;Play sounds</source>
        <translation>Ac&amp;tivar sonidos</translation>
    </message>
    <message>
        <source>Play &amp;sound for blue blob</source>
        <translation>Sonido de la &amp;bolita azul</translation>
    </message>
    <message>
        <source>&amp;Browse ...</source>
        <translation>&amp;Examinar…</translation>
    </message>
    <message>
        <source>Play so&amp;und for game over</source>
        <translation>Sonido de &amp;fin de partida</translation>
    </message>
    <message>
        <source>B&amp;rowse ...</source>
        <translation>E&amp;xaminar…</translation>
    </message>
    <message>
        <source>Play soun&amp;d for new hi score</source>
        <translation>Sonido de &amp;nuevo récord</translation>
    </message>
    <message>
        <source>Bro&amp;wse ...</source>
        <translation>Exa&amp;minar…</translation>
    </message>
    <message>
        <source>Choose the blue blob sound</source>
        <translation>Elige el sonido de la bolita azul</translation>
    </message>
    <message>
        <source>Invalid blob sound specified.</source>
        <translation>El sonido indicado para la bolita no es válido.</translation>
    </message>
    <message>
        <source>Choose the game over sound</source>
        <translation>Elige el sonido de fin de partida</translation>
    </message>
    <message>
        <source>Invalid game over sound specified.</source>
        <translation>El sonido indicado para el fin de partida no es válido.</translation>
    </message>
    <message>
        <source>Choose the new hi score sound</source>
        <translation>Elige el sonido de nuevo récord</translation>
    </message>
    <message>
        <source>Invalid new Hi score sounds specified.</source>
        <translation>El sonido indicado para un nuevo récord no es válido.</translation>
    </message>
    <message>
        <source>Hi score : </source>
        <translation>Récord: </translation>
    </message>
    <message>
        <source>Set by : </source>
        <translation>De: </translation>
    </message>
    <message>
        <source>&amp;Reset</source>
        <translation>&amp;Borrar</translation>
    </message>
    <message>
        <source>%1 - Browse for wav file</source>
        <translation>%1 - Elegir un archivo WAV</translation>
    </message>
    <message>
        <source>Wav files (*.wav)</source>
        <translation>Archivos WAV (*.wav)</translation>
    </message>
    <message>
        <source>All files (*.*)</source>
        <translation>Todos los archivos (*.*)</translation>
    </message>
    <message>
        <source>Reset hi score?</source>
        <translation>¿Borrar el récord?</translation>
    </message>
    <message>
        <source>Reset defaults for custom skill level?</source>
        <translation>¿Restablecer los valores por defecto del nivel libre?</translation>
    </message>
</context>
<context>
    <name>quorvane::TForm4</name>
    <message>
        <source>Score : </source>
        <translation>Puntos: </translation>
    </message>
    <message>
        <source>Your &amp;name :</source>
        <translation>Tu &amp;nombre:</translation>
    </message>
    <message>
        <source>&amp;Ok</source>
        <translation>&amp;Aceptar</translation>
    </message>
    <message>
        <source>%1 - New hi score</source>
        <translation>%1 - Nuevo récord</translation>
    </message>
</context>
<context>
    <name>quorvane::TForm5</name>
    <message>
        <source>About %1</source>
        <translation>Acerca de %1</translation>
    </message>
    <message>
        <source>All rights reserved.</source>
        <translation>Todos los derechos reservados.</translation>
    </message>
    <message>
        <source>For the latest version see</source>
        <translation>La última versión, en</translation>
    </message>
    <message>
        <source>For bug reports / suggestions email</source>
        <translation>Errores y sugerencias a</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
</context>
<context>
    <name>quorvane::ProcessHelpService</name>
    <message>
        <source>The help viewer has stopped unexpectedly.</source>
        <translation>El visor de la ayuda se ha detenido inesperadamente.</translation>
    </message>
    <message>
        <source>The help viewer %1 could not be started.</source>
        <translation>No se pudo iniciar el visor de la ayuda %1.</translation>
    </message>
</context>
<context>
    <name>quorvane::THelpBrowser</name>
    <message>
        <source>The help page %1 is too large to be shown.</source>
        <translation>La página de ayuda %1 es demasiado grande para mostrarla.</translation>
    </message>
    <message>
        <source>The help page %1 is nested too deeply to be shown.</source>
        <translation>La página de ayuda %1 está anidada a demasiada profundidad para mostrarla.</translation>
    </message>
</context>
<context>
    <name>quorvane::THelpWindow</name>
    <message>
        <source>%1 Help</source>
        <translation>Ayuda de %1</translation>
    </message>
    <message>
        <source>&amp;Contents</source>
        <translation>&amp;Contenido</translation>
    </message>
    <message>
        <source>&amp;Look for:</source>
        <translation>&amp;Buscar:</translation>
    </message>
    <message>
        <source>&amp;Index</source>
        <translation>Í&amp;ndice</translation>
    </message>
    <message>
        <source>The help viewer could not keep its files in %1.</source>
        <translation>La ayuda no pudo guardar sus archivos en %1.</translation>
    </message>
    <message>
        <source>The help topic %1 was not found in the help file. These are its contents.</source>
        <translation>El tema de ayuda %1 no está en el archivo de ayuda. Este es su contenido.</translation>
    </message>
    <message>
        <source>The contents of the help file are nested too deeply to be shown.</source>
        <translation>El índice del archivo de ayuda está anidado a demasiada profundidad para mostrarlo.</translation>
    </message>
</context>
<context>
    <name>quorvane::THouseBanner</name>
    <message>
        <source>Steer with the arrow keys, or with the four arrow buttons.</source>
        <translation>Dirige con las flechas del teclado o con los cuatro botones de flecha.</translation>
    </message>
    <message>
        <source>Each blue blob is worth 100 points, and every step 10 more.</source>
        <translation>Cada bolita azul vale 100 puntos, y cada paso, 10 más.</translation>
    </message>
    <message>
        <source>The snake speeds up as it grows: plan your turns early.</source>
        <translation>La serpiente acelera al crecer: planea tus giros con tiempo.</translation>
    </message>
    <message>
        <source>Swallowed blobs bring new walls. Keep an open lane.</source>
        <translation>Las bolitas tragadas traen muros nuevos. Deja un camino libre.</translation>
    </message>
    <message>
        <source>Need a break? Pause holds the snake where it is.</source>
        <translation>¿Necesitas un descanso? Pausa detiene la serpiente donde está.</translation>
    </message>
    <message>
        <source>Set your own pace with the Custom skill level in Options.</source>
        <translation>Marca tu propio ritmo con el nivel Libre de las opciones.</translation>
    </message>
    <message>
        <source>a game by %1</source>
        <translation>un juego de %1</translation>
    </message>
</context>
<context>
    <name>quorvane::TPaintBox</name>
    <message>
        <source>Board</source>
        <translation>Tablero</translation>
    </message>
</context>
<context>
    <name>quorvane::TStatusBar</name>
    <message>
        <source>Game state</source>
        <translation>Estado de la partida</translation>
    </message>
    <message>
        <source>Score</source>
        <translation>Puntos</translation>
    </message>
    <message>
        <source>Hi score</source>
        <translation>Récord</translation>
    </message>
    <message>
        <source>Skill level</source>
        <translation>Nivel</translation>
    </message>
    <message>
        <source>Status bar</source>
        <translation>Barra de estado</translation>
    </message>
</context>
<context>
    <name>quorvane::TUpDown</name>
    <message>
        <source>Up</source>
        <translation>Más</translation>
    </message>
    <message>
        <source>Down</source>
        <translation>Menos</translation>
    </message>
</context>
<context>
    <name>quorvane::TUrlLabel</name>
    <message>
        <source>Error: Property URL not Specified</source>
        <translation>Error: no se indicó la dirección web (URL)</translation>
    </message>
</context>
</TS>
