<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr_FR">
<context>
    <name>quorvane::BoardDescription</name>
    <message>
        <source>down</source>
        <translation>bas</translation>
    </message>
    <message>
        <source>left</source>
        <translation>gauche</translation>
    </message>
    <message>
        <source>right</source>
        <translation>droite</translation>
    </message>
    <message>
        <source>up</source>
        <translation>haut</translation>
    </message>
    <message>
        <source>nowhere</source>
        <translation>aucune</translation>
    </message>
    <message>
        <source>1 cell</source>
        <translation>1 case</translation>
    </message>
    <message>
        <source>%1 right</source>
        <translation>%1 à droite</translation>
    </message>
    <message>
        <source>%1 left</source>
        <translation>%1 à gauche</translation>
    </message>
    <message>
        <source>%1 down</source>
        <translation>%1 vers le bas</translation>
    </message>
    <message>
        <source>%1 up</source>
        <translation>%1 vers le haut</translation>
    </message>
    <message>
        <source>The blob is under the head.</source>
        <translation>La pastille est sous la tête.</translation>
    </message>
    <message>
        <source>The blob is %1 of the head.</source>
        <translation>La pastille se trouve %1 par rapport à la tête.</translation>
    </message>
    <message>
        <source> and </source>
        <translation> et </translation>
    </message>
    <message>
        <source>Score %1.</source>
        <translation>Score&#xa0;: %1.</translation>
    </message>
    <message>
        <source>The snake is %1 long</source>
        <translation>Le serpent mesure %1</translation>
    </message>
    <message>
        <source>Game over. %1 %2.</source>
        <translation>Partie terminée. %1 %2.</translation>
    </message>
    <message>
        <source>%1. %2 %3, heading %4.</source>
        <translation>%1. %2 %3, direction&#xa0;: %4.</translation>
    </message>
    <message>
        <source>Paused</source>
        <translation>En pause</translation>
    </message>
    <message>
        <source>Playing</source>
        <translation>En jeu</translation>
    </message>
    <message>
        <source> Walls: %1.</source>
        <translation> Murs&#xa0;: %1.</translation>
    </message>
    <message numerus="yes">
        <source>%n cells</source>
        <translation>
            <numerusform>%n case</numerusform>
            <numerusform>%n cases</numerusform>
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
        <translation>Partie terminée</translation>
    </message>
    <message>
        <source>Paused</source>
        <translation>En pause</translation>
    </message>
    <message>
        <source>Pa&amp;use</source>
        <translation>Pa&amp;use</translation>
    </message>
    <message>
        <source>Res&amp;ume</source>
        <translation>&amp;Reprendre</translation>
    </message>
    <message>
        <source>Easy</source>
        <translation>Facile</translation>
    </message>
    <message>
        <source>Intermediate</source>
        <translation>Moyen</translation>
    </message>
    <message>
        <source>Difficult</source>
        <translation>Difficile</translation>
    </message>
    <message>
        <source>Custom</source>
        <translation>Libre</translation>
    </message>
    <message>
        <source>Could not load sound file.</source>
        <translation>Impossible de charger le fichier son.</translation>
    </message>
    <message>
        <source>Score : </source>
        <translation>Score&#xa0;: </translation>
    </message>
    <message>
        <source>Hi : </source>
        <translation>Record&#xa0;: </translation>
    </message>
    <message>
        <source>Unable to write to %1</source>
        <translation>Impossible d’écrire dans %1.</translation>
    </message>
</context>
<context>
    <name>quorvane::HelpFiles</name>
    <message>
        <source>The help file %1 could not be found in %2.</source>
        <translation>Le fichier d’aide %1 est introuvable dans %2.</translation>
    </message>
    <message>
        <source>The help file %1 in %2 could not be read.</source>
        <translation>Le fichier d’aide %1 dans %2 n’a pas pu être lu.</translation>
    </message>
</context>
<context>
    <name>quorvane::IntroScreen</name>
    <message>
        <source>Use cursor keys to move</source>
        <translation>Dirigez avec les flèches</translation>
    </message>
    <message>
        <source>Collect the blue blobs</source>
        <translation>Ramassez les pastilles bleues</translation>
    </message>
    <message>
        <source>Avoid the walls</source>
        <translation>Évitez les murs</translation>
    </message>
    <message>
        <source>Click New Game to play</source>
        <translation>Cliquez sur Jouer pour commencer</translation>
    </message>
</context>
<context>
    <name>quorvane::LinkOpener</name>
    <message>
        <source>Unable to open %1.</source>
        <translation>Impossible d’ouvrir %1.</translation>
    </message>
</context>
<context>
    <name>quorvane::OptionsExchange</name>
    <message>
        <source>The hi score shown is not a number</source>
        <translation>Le record affiché n’est pas un nombre</translation>
    </message>
</context>
<context>
    <name>quorvane::PadControl</name>
    <message>
        <source>The game controller &quot;%1&quot; is not supported and is ignored.</source>
        <translation>La manette de jeu « %1 » n’est pas prise en charge et est ignorée.</translation>
    </message>
</context>
<context>
    <name>quorvane::SingleCopy</name>
    <message>
        <source>%1 is running already but does not answer.</source>
        <translation>%1 est déjà lancé mais ne répond pas.</translation>
    </message>
</context>
<context>
    <name>quorvane::TApplication</name>
    <message>
        <source>Unknown error</source>
        <translation>Erreur inconnue</translation>
    </message>
    <message>
        <source>Exception %1 in module %2 at %3.
%4</source>
        <translation>Exception %1 dans le module %2 à %3.
%4</translation>
    </message>
    <message>
        <source>Application Error</source>
        <translation>Erreur de l’application</translation>
    </message>
</context>
<context>
    <name>quorvane::TEmaillabel</name>
    <message>
        <source>Error: Please Specify a Recipients Email Address</source>
        <translation>Erreur&#xa0;: aucune adresse électronique de destinataire indiquée</translation>
    </message>
</context>
<context>
    <name>quorvane::TForm1</name>
    <message>
        <source>&amp;New game</source>
        <translation>&amp;Nouvelle partie</translation>
    </message>
    <message>
        <source>Pa&amp;use</source>
        <translation>Pa&amp;use</translation>
    </message>
    <message>
        <source>He&amp;lp</source>
        <translation>Ai&amp;de</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Quitter</translation>
    </message>
    <message>
        <source>Left</source>
        <translation>Vers la gauche</translation>
    </message>
    <message>
        <source>Up</source>
        <translation>Vers le haut</translation>
    </message>
    <message>
        <source>Down</source>
        <translation>Vers le bas</translation>
    </message>
    <message>
        <source>Right</source>
        <translation>Vers la droite</translation>
    </message>
    <message>
        <source>&amp;Game</source>
        <translation>&amp;Jeu</translation>
    </message>
    <message>
        <source>&amp;Pause</source>
        <translation>&amp;Pause</translation>
    </message>
    <message>
        <source>&amp;Options ...</source>
        <translation>&amp;Options…</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Aide</translation>
    </message>
    <message>
        <source>Help &amp;topics ...</source>
        <translation>&amp;Rubriques d’aide…</translation>
    </message>
    <message>
        <source>Privacy statement ...</source>
        <translation>&amp;Confidentialité…</translation>
    </message>
    <message>
        <source>&amp;About ...</source>
        <translation>À &amp;propos…</translation>
    </message>
    <message>
        <source>Game Over! Would you like to play again?</source>
        <translation>Partie terminée&#xa0;! Voulez-vous rejouer&#xa0;?</translation>
    </message>
    <message>
        <source>Could not create options dialog box.</source>
        <translation>Impossible de créer la boîte de dialogue des options.</translation>
    </message>
    <message>
        <source>Could not display options dialog box.</source>
        <translation>Impossible d’afficher la boîte de dialogue des options.</translation>
    </message>
    <message>
        <source>Could not create About dialog.</source>
        <translation>Impossible de créer la boîte À propos.</translation>
    </message>
    <message>
        <source>Could not display About dialog.</source>
        <translation>Impossible d’afficher la boîte À propos.</translation>
    </message>
    <message>
        <source>&amp;New game</source>
        <comment>button</comment>
        <extracomment>Its own text: where the menu&apos;s words are too long for the button, say it shorter here.</extracomment>
        <translation>J&amp;ouer</translation>
    </message>
</context>
<context>
    <name>quorvane::TForm3</name>
    <message>
        <source>Skill level</source>
        <translation>Niveau</translation>
    </message>
    <message>
        <source>Position</source>
        <translation>Position</translation>
    </message>
    <message>
        <source>Sounds</source>
        <translation>Sons</translation>
    </message>
    <message>
        <source>Hi score</source>
        <translation>Record</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Aide</translation>
    </message>
    <message>
        <source>&amp;Ok</source>
        <translation>O&amp;K</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>A&amp;nnuler</translation>
    </message>
    <message>
        <source>&amp;Easy</source>
        <translation>&amp;Facile</translation>
    </message>
    <message>
        <source>&amp;Intermediate</source>
        <translation>&amp;Moyen</translation>
    </message>
    <message>
        <source>&amp;Difficult</source>
        <translation>&amp;Difficile</translation>
    </message>
    <message>
        <source>&amp;Grow snake after </source>
        <translation>&amp;Grandir après </translation>
    </message>
    <message>
        <source>moves</source>
        <translation>pas</translation>
    </message>
    <message>
        <source>I&amp;nitial snake speed</source>
        <translation>&amp;Vitesse initiale</translation>
    </message>
    <message>
        <source>Slow</source>
        <translation>Lent</translation>
    </message>
    <message>
        <source>Fast</source>
        <translation>Rapide</translation>
    </message>
    <message>
        <source>Inc&amp;rease snake speed after</source>
        <translation>Accélé&amp;rer après</translation>
    </message>
    <message>
        <source>&amp;Add walls after eating</source>
        <translation>Ajou&amp;t de murs après</translation>
    </message>
    <message>
        <source>blobs</source>
        <translation>pastilles</translation>
    </message>
    <message>
        <source>Number of &amp;walls to add </source>
        <translation>Nom&amp;bre de murs </translation>
    </message>
    <message>
        <source>&amp;Use defaults</source>
        <translation>&amp;Standard</translation>
    </message>
    <message>
        <source>From Slow to Fast</source>
        <translation>De Lent à Rapide</translation>
    </message>
    <message>
        <source>&amp;Default</source>
        <translation>&amp;Standard</translation>
    </message>
    <message>
        <source>&amp;Random</source>
        <translation>Aléa&amp;toire</translation>
    </message>
    <message>
        <source>Initial direction</source>
        <translation>Direction de départ</translation>
    </message>
    <message>
        <source>Do&amp;wn</source>
        <translation>&amp;Bas</translation>
    </message>
    <message>
        <source>&amp;Left</source>
        <translation>&amp;Gauche</translation>
    </message>
    <message>
        <source>R&amp;ight</source>
        <translation>&amp;Droite</translation>
    </message>
    <message>
        <source>U&amp;p</source>
        <translation>Ha&amp;ut</translation>
    </message>
    <message>
        <source>&amp;Vertical position :</source>
        <translation>&amp;Ligne :</translation>
    </message>
    <message>
        <source>Hori&amp;zontal position :</source>
        <translation>C&amp;olonne :</translation>
    </message>
    <message>
        <source>&amp;Play sounds</source>
        <translation>&amp;Jouer les sons</translation>
    </message>
    <message>
        <source>Play &amp;sound for blue blob</source>
        <translation>Son pour la pastille &amp;bleue</translation>
    </message>
    <message>
        <source>&amp;Browse ...</source>
        <translation>&amp;Choisir…</translation>
    </message>
    <message>
        <source>Play so&amp;und for game over</source>
        <translation>Son pour la &amp;fin de partie</translation>
    </message>
    <message>
        <source>B&amp;rowse ...</source>
        <translation>C&amp;hoisir…</translation>
    </message>
    <message>
        <source>Play soun&amp;d for new hi score</source>
        <translation>Son pour un nouveau &amp;record</translation>
    </message>
    <message>
        <source>Bro&amp;wse ...</source>
        <translation>Ch&amp;oisir…</translation>
    </message>
    <message>
        <source>Choose the blue blob sound</source>
        <translation>Choisir le son de la pastille bleue</translation>
    </message>
    <message>
        <source>Choose the game over sound</source>
        <translation>Choisir le son de fin de partie</translation>
    </message>
    <message>
        <source>Choose the new hi score sound</source>
        <translation>Choisir le son du nouveau record</translation>
    </message>
    <message>
        <source>Hi score : </source>
        <translation>Record&#xa0;: </translation>
    </message>
    <message>
        <source>Set by : </source>
        <translation>Par&#xa0;: </translation>
    </message>
    <message>
        <source>&amp;Reset</source>
        <translation>&amp;Effacer</translation>
    </message>
    <message>
        <source>%1 - Options</source>
        <translation>%1 - Options</translation>
    </message>
    <message>
        <source>%1 - Browse for wav file</source>
        <translation>%1 - Choisir un fichier wav</translation>
    </message>
    <message>
        <source>Wav files (*.wav)</source>
        <translation>Fichiers WAV (*.wav)</translation>
    </message>
    <message>
        <source>All files (*.*)</source>
        <translation>Tous les fichiers (*.*)</translation>
    </message>
    <message>
        <source>Reset hi score?</source>
        <translation>Effacer le record&#xa0;?</translation>
    </message>
    <message>
        <source>Reset defaults for custom skill level?</source>
        <translation>Rétablir les valeurs par défaut du niveau libre&#xa0;?</translation>
    </message>
    <message>
        <source>Invalid blob sound specified.</source>
        <translation>Le son indiqué pour la pastille n’est pas valide.</translation>
    </message>
    <message>
        <source>Invalid game over sound specified.</source>
        <translation>Le son indiqué pour la fin de partie n’est pas valide.</translation>
    </message>
    <message>
        <source>Invalid new Hi score sounds specified.</source>
        <translation>Le son indiqué pour un nouveau record n’est pas valide.</translation>
    </message>
    <message>
        <source>C&amp;ustom</source>
        <comment>skill level</comment>
        <translation>&amp;Libre</translation>
    </message>
    <message>
        <source>C&amp;ustom</source>
        <comment>start position</comment>
        <translation>Au &amp;choix</translation>
    </message>
    <message>
        <source>moves</source>
        <comment>growths</comment>
        <extracomment>It counts the snake&apos;s growths, not its steps.</extracomment>
        <translation>croissances</translation>
    </message>
</context>
<context>
    <name>quorvane::TForm4</name>
    <message>
        <source>Score : </source>
        <translation>Score&#xa0;: </translation>
    </message>
    <message>
        <source>Your &amp;name :</source>
        <translation>Votre &amp;nom&#xa0;:</translation>
    </message>
    <message>
        <source>&amp;Ok</source>
        <translation>O&amp;K</translation>
    </message>
    <message>
        <source>%1 - New hi score</source>
        <translation>%1 - Nouveau record</translation>
    </message>
</context>
<context>
    <name>quorvane::TForm5</name>
    <message>
        <source>About %1</source>
        <translation>À propos de %1</translation>
    </message>
    <message>
        <source>All rights reserved.</source>
        <translation>Tous droits réservés.</translation>
    </message>
    <message>
        <source>For the latest version see</source>
        <translation>Dernière version sur</translation>
    </message>
    <message>
        <source>For bug reports / suggestions email</source>
        <translation>Bogues et suggestions par courriel à</translation>
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
        <translation>La visionneuse d’aide s’est arrêtée de manière inattendue.</translation>
    </message>
    <message>
        <source>The help viewer %1 could not be started.</source>
        <translation>La visionneuse d’aide %1 n’a pas pu être lancée.</translation>
    </message>
</context>
<context>
    <name>quorvane::THelpBrowser</name>
    <message>
        <source>The help page %1 is too large to be shown.</source>
        <translation>La page d’aide %1 est trop volumineuse pour être affichée.</translation>
    </message>
    <message>
        <source>The help page %1 is nested too deeply to be shown.</source>
        <translation>La page d’aide %1 est trop profondément imbriquée pour être affichée.</translation>
    </message>
</context>
<context>
    <name>quorvane::THelpWindow</name>
    <message>
        <source>%1 Help</source>
        <translation>Aide de %1</translation>
    </message>
    <message>
        <source>&amp;Contents</source>
        <translation>&amp;Sommaire</translation>
    </message>
    <message>
        <source>&amp;Look for:</source>
        <translation>&amp;Rechercher&#xa0;:</translation>
    </message>
    <message>
        <source>&amp;Index</source>
        <translation>&amp;Index</translation>
    </message>
    <message>
        <source>The help viewer could not keep its files in %1.</source>
        <translation>L’aide n’a pas pu conserver ses fichiers dans %1.</translation>
    </message>
    <message>
        <source>The help topic %1 was not found in the help file. These are its contents.</source>
        <translation>La rubrique d’aide %1 est absente du fichier d’aide. Voici son sommaire.</translation>
    </message>
    <message>
        <source>The contents of the help file are nested too deeply to be shown.</source>
        <translation>La table des matières du fichier d’aide est trop profondément imbriquée pour être affichée.</translation>
    </message>
</context>
<context>
    <name>quorvane::THouseBanner</name>
    <message>
        <source>Steer with the arrow keys, or with the four arrow buttons.</source>
        <translation>Dirigez avec les flèches du clavier ou les quatre boutons fléchés.</translation>
    </message>
    <message>
        <source>Each blue blob is worth 100 points, and every step 10 more.</source>
        <translation>Chaque pastille bleue vaut 100 points, et chaque pas 10 de plus.</translation>
    </message>
    <message>
        <source>The snake speeds up as it grows: plan your turns early.</source>
        <translation>Le serpent accélère en grandissant&#xa0;: prévoyez vos virages tôt.</translation>
    </message>
    <message>
        <source>Swallowed blobs bring new walls. Keep an open lane.</source>
        <translation>Les pastilles avalées font surgir des murs. Gardez un passage libre.</translation>
    </message>
    <message>
        <source>Need a break? Pause holds the snake where it is.</source>
        <translation>Besoin d’une pause&#xa0;? Pause arrête le serpent là où il est.</translation>
    </message>
    <message>
        <source>Set your own pace with the Custom skill level in Options.</source>
        <translation>Choisissez votre rythme avec le niveau Libre dans les options.</translation>
    </message>
    <message>
        <source>a game by %1</source>
        <translation>un jeu de %1</translation>
    </message>
</context>
<context>
    <name>quorvane::TPaintBox</name>
    <message>
        <source>Board</source>
        <translation>Plateau</translation>
    </message>
</context>
<context>
    <name>quorvane::TStatusBar</name>
    <message>
        <source>Game state</source>
        <translation>État de la partie</translation>
    </message>
    <message>
        <source>Score</source>
        <translation>Score</translation>
    </message>
    <message>
        <source>Hi score</source>
        <translation>Record</translation>
    </message>
    <message>
        <source>Skill level</source>
        <translation>Niveau</translation>
    </message>
    <message>
        <source>Status bar</source>
        <translation>Barre d’état</translation>
    </message>
</context>
<context>
    <name>quorvane::TUpDown</name>
    <message>
        <source>Up</source>
        <translation>Plus</translation>
    </message>
    <message>
        <source>Down</source>
        <translation>Moins</translation>
    </message>
</context>
<context>
    <name>quorvane::TUrlLabel</name>
    <message>
        <source>Error: Property URL not Specified</source>
        <translation>Erreur&#xa0;: aucune adresse Web (URL) indiquée</translation>
    </message>
</context>
</TS>
