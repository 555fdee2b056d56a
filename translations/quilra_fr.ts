<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr_FR" sourcelanguage="en">
<context>
    <name>AddressForm</name>
    <message>
        <source>it names no host</source>
        <translation>elle ne nomme aucun hôte</translation>
    </message>
    <message>
        <source>its port is not a number from 1 to 65535</source>
        <translation>son port n’est pas un nombre de 1 à 65535</translation>
    </message>
    <message>
        <source>it holds characters a browser does not take as written</source>
        <translation>elle contient des caractères qu’un navigateur ne prend pas tels quels</translation>
    </message>
    <message>
        <source>its host name %1 has no top-level domain</source>
        <translation>son nom d’hôte %1 n’a pas de domaine de premier niveau</translation>
    </message>
    <message>
        <source>its host name %1 is not made of names of letters, digits and hyphens between single dots</source>
        <translation>son nom d’hôte %1 n’est pas fait de noms de lettres, de chiffres et de traits d’union séparés par des points simples</translation>
    </message>
    <message>
        <source>its host name %1 ends in %2, which is no top-level domain</source>
        <translation>son nom d’hôte %1 finit par %2, qui n’est pas un domaine de premier niveau</translation>
    </message>
</context>
<context>
    <name>AnsiDocument</name>
    <message>
        <source>The art draws more than %1 rows; it is shown up to there.</source>
        <translation>L’image dépasse %1 lignes ; elle est affichée jusque-là.</translation>
    </message>
</context>
<context>
    <name>BatchGeneration</name>
    <message>
        <source>&quot;%1&quot; is no kind of NFO to generate: use movie or application.</source>
        <translation>« %1 » n&apos;est pas un type de NFO à générer : utilisez movie ou application.</translation>
    </message>
    <message>
        <source>--link takes yes or no, not &quot;%1&quot;.</source>
        <translation>--link attend yes ou no, pas « %1 ».</translation>
    </message>
    <message>
        <source>Nothing was written.</source>
        <translation>Rien n&apos;a été écrit.</translation>
    </message>
    <message>
        <source>The fields file %1 could not be read.</source>
        <translation>Le fichier de champs %1 n&apos;a pas pu être lu.</translation>
    </message>
    <message>
        <source>The fields file %1 has no [%2] section.</source>
        <translation>Le fichier de champs %1 n&apos;a pas de section [%2].</translation>
    </message>
    <message>
        <source>--field takes NAME=VALUE, not &quot;%1&quot;.</source>
        <translation>--field attend NOM=VALEUR, pas « %1 ».</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is no field of the %2 template; its fields are %3.</source>
        <translation>« %1 » n&apos;est pas un champ du modèle %2 ; ses champs sont %3.</translation>
    </message>
    <message>
        <source>--media fills the movie template only.</source>
        <translation>--media ne remplit que le modèle de film.</translation>
    </message>
</context>
<context>
    <name>BatchOptions</name>
    <message>
        <source>Generate a movie or an application NFO file from its template without opening a window, and write it to the file named by --output.</source>
        <translation>Génère un fichier NFO de film ou de logiciel à partir de son modèle sans ouvrir de fenêtre, et l&apos;écrit dans le fichier indiqué par --output.</translation>
    </message>
    <message>
        <source>With --generate: fill the placeholder $NAME$ with VALUE, such as title=&quot;My Movie&quot;. May be given many times; it overrides the same name in --fields. A field not given takes its default text.</source>
        <translation>Avec --generate : remplit l&apos;espace réservé $NAME$ avec VALEUR, par exemple title=&quot;Mon film&quot;. Peut être donné plusieurs fois ; il remplace le même nom dans --fields. Un champ non donné prend son texte par défaut.</translation>
    </message>
    <message>
        <source>With --generate: read NAME=VALUE lines from the section [movie] or [application] of the INI file FILE.</source>
        <translation>Avec --generate : lit des lignes NOM=VALEUR dans la section [movie] ou [application] du fichier INI FICHIER.</translation>
    </message>
    <message>
        <source>With --generate: fill FILE instead of the shipped template; it uses the same placeholders.</source>
        <translation>Avec --generate : remplit FICHIER au lieu du modèle fourni ; il utilise les mêmes espaces réservés.</translation>
    </message>
    <message>
        <source>With --generate: end the NFO with the Quilra credit footer (yes) or not (no). Without it, the &quot;Allow Quilra Link&quot; setting decides.</source>
        <translation>Avec --generate : termine le NFO par le pied de page de Quilra (yes) ou non (no). Sans cette option, le réglage « Autoriser le lien Quilra » décide.</translation>
    </message>
    <message>
        <source>With --generate movie: fill runtime, language, videocodec, resolution, audiocodec, audiobitrate, subtitles and files from what the video FILE tells; --field and --fields win over it. A file that tells nothing is an error.</source>
        <translation>Avec --generate movie : remplit runtime, language, videocodec, resolution, audiocodec, audiobitrate, subtitles et files d’après ce qu’indique la vidéo FILE ; --field et --fields l’emportent. Un fichier qui n’indique rien est une erreur.</translation>
    </message>
</context>
<context>
    <name>CheckPanel</name>
    <message>
        <source>F&amp;indings:</source>
        <translation>C&amp;onstats :</translation>
    </message>
    <message>
        <source>Fi&amp;x</source>
        <translation>Co&amp;rriger</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fermer</translation>
    </message>
    <message>
        <source>%1:%2: %3</source>
        <translation>%1:%2: %3</translation>
    </message>
    <message>
        <source>Nothing found: viewers show this text as it is meant.</source>
        <translation>Rien trouvé : les visionneuses montrent ce texte tel qu’il est voulu.</translation>
    </message>
</context>
<context>
    <name>ClockStatusBar</name>
    <message>
        <source>Please visit %1</source>
        <translation>Rendez-vous sur %1</translation>
    </message>
</context>
<context>
    <name>ColourPreset</name>
    <message>
        <source>Black on white</source>
        <translation>Noir sur blanc</translation>
    </message>
    <message>
        <source>Light grey on black</source>
        <translation>Gris clair sur noir</translation>
    </message>
    <message>
        <source>Amber on black</source>
        <translation>Ambre sur noir</translation>
    </message>
    <message>
        <source>Green on black</source>
        <translation>Vert sur noir</translation>
    </message>
    <message>
        <source>White on blue</source>
        <translation>Blanc sur bleu</translation>
    </message>
</context>
<context>
    <name>CommandLineTool</name>
    <message>
        <source>The NFO files.</source>
        <translation>Les fichiers NFO.</translation>
    </message>
    <message>
        <source>With --export, the folder to write into, or for one FILE the file to write. With --generate, the NFO file to write; nothing is written when a field name is unknown, a value holds a character without a code in code page 437, or a file cannot be read. - is standard output.</source>
        <translation>Avec --export, le dossier où écrire, ou pour un seul FICHIER le fichier à écrire. Avec --generate, le fichier NFO à écrire ; rien n&apos;est écrit si un nom de champ est inconnu, si une valeur contient un caractère sans code dans la page de code 437 ou si un fichier ne peut pas être lu. - désigne la sortie standard.</translation>
    </message>
    <message>
        <source>Each pixel of a picture as N x N pixels, N from 1 to 4.</source>
        <translation>Chaque pixel d&apos;une image en N × N pixels, N de 1 à 4.</translation>
    </message>
    <message>
        <source>Cells of a picture 8 or 9 pixels wide; the ninth column repeats the eighth for the line-drawing codes C0-DF, as VGA does.</source>
        <translation>Cellules d&apos;une image larges de 8 ou 9 pixels ; la neuvième colonne répète la huitième pour les caractères de cadre C0-DF, comme le fait la VGA.</translation>
    </message>
    <message>
        <source>Writes a PNG picture of the top of INPUT, its longer side at most SIZE pixels, black on white, to OUTPUT: quilra --thumbnail SIZE INPUT OUTPUT. Reads no settings and writes nothing else.</source>
        <translation>Écrit dans SORTIE une image PNG du haut de ENTRÉE, dont le plus grand côté mesure au plus TAILLE pixels, en noir sur blanc : quilra --thumbnail TAILLE ENTRÉE SORTIE. Ne lit aucun réglage et n&apos;écrit rien d&apos;autre.</translation>
    </message>
    <message>
        <source>--generate needs --output, the NFO file to write.</source>
        <translation>--generate a besoin de --output, le fichier NFO à écrire.</translation>
    </message>
    <message>
        <source>--generate takes no FILE; its values come from --field and --fields.</source>
        <translation>--generate ne prend pas de FICHIER ; ses valeurs viennent de --field et --fields.</translation>
    </message>
    <message>
        <source>say what to do with the files, such as --export png.</source>
        <translation>indiquez quoi faire des fichiers, par exemple --export png.</translation>
    </message>
    <message>
        <source>(quilra --help tells more)</source>
        <translation>(quilra --help en dit plus)</translation>
    </message>
    <message>
        <source>standard output did not take all of the file.</source>
        <translation>la sortie standard n&apos;a pas pris tout le fichier.</translation>
    </message>
    <message>
        <source>--thumbnail takes a SIZE from 1 to %1 pixels.</source>
        <translation>--thumbnail attend une TAILLE de 1 à %1 pixels.</translation>
    </message>
    <message>
        <source>--thumbnail takes SIZE INPUT OUTPUT.</source>
        <translation>--thumbnail attend TAILLE ENTRÉE SORTIE.</translation>
    </message>
    <message>
        <source>--scale takes 1, 2, 3 or 4.</source>
        <translation>--scale attend 1, 2, 3 ou 4.</translation>
    </message>
    <message>
        <source>--columns takes 8 or 9.</source>
        <translation>--columns attend 8 ou 9.</translation>
    </message>
    <message>
        <source>no FILE to export.</source>
        <translation>aucun FICHIER à exporter.</translation>
    </message>
    <message>
        <source>--output - writes one FILE to standard output, not several.</source>
        <translation>--output - écrit un seul FICHIER sur la sortie standard, pas plusieurs.</translation>
    </message>
    <message>
        <source>--output must name a folder for several files.</source>
        <translation>--output doit désigner un dossier pour plusieurs fichiers.</translation>
    </message>
    <message>
        <source>Checks each FILE for what viewers would show wrongly: lines wider than --width, tabs and control codes, Windows-1252 punctuation in code page 437 text, mixed or missing line ends, trailing blanks, a wrong SAUCE record, web addresses that cannot be opened. One finding a line; the exit status is 0 when nothing was found, 1 when something was.</source>
        <translation>Vérifie dans chaque FICHIER ce que les visionneuses montreraient mal : lignes plus larges que --width, tabulations et codes de contrôle, ponctuation Windows-1252 dans un texte en page de code 437, fins de ligne mélangées ou manquantes, blancs en fin de ligne, enregistrement SAUCE erroné, adresses web impossibles à ouvrir. Un constat par ligne ; le code de sortie vaut 0 si rien n’a été trouvé, 1 sinon.</translation>
    </message>
    <message>
        <source>With --check, the widest line allowed, in screen columns.</source>
        <translation>Avec --check, la ligne la plus large permise, en colonnes d’écran.</translation>
    </message>
    <message>
        <source>With --check, prints the findings as one JSON array.</source>
        <translation>Avec --check, affiche les constats en un seul tableau JSON.</translation>
    </message>
    <message>
        <source>Prints the fields of FILE&apos;s SAUCE record as name=value lines.</source>
        <translation>Affiche les champs de l’enregistrement SAUCE du FICHIER en lignes nom=valeur.</translation>
    </message>
    <message>
        <source>--export, --generate, --thumbnail, --check and --sauce are different things; say one.</source>
        <translation>--export, --generate, --thumbnail, --check et --sauce sont des choses différentes ; indiquez-en une.</translation>
    </message>
    <message>
        <source>--width and --json go with --check.</source>
        <translation>--width et --json vont avec --check.</translation>
    </message>
    <message>
        <source>--width takes a number of columns from 1 to %1.</source>
        <translation>--width prend un nombre de colonnes de 1 à %1.</translation>
    </message>
    <message>
        <source>no FILE to check.</source>
        <translation>aucun FICHIER à vérifier.</translation>
    </message>
    <message>
        <source>--sauce takes one FILE.</source>
        <translation>--sauce prend un FICHIER.</translation>
    </message>
    <message>
        <source>Views and creates NFO files. Without options, opens FILE in the window.
With --export, writes each FILE as a PNG picture, a PDF document, an SVG picture, a web page or UTF-8 text, without a window or a display.
With --generate, writes a movie or an application NFO filled from --field and --fields to --output.
With --thumbnail, writes a small picture of the top of INPUT to OUTPUT, as file managers show it.
With --check, lists what viewers would show wrongly in each FILE.
With --sauce, prints the SAUCE record of FILE.</source>
        <translation>Affiche et crée des fichiers NFO. Sans option, ouvre FICHIER dans la fenêtre.
Avec --export, écrit chaque FICHIER sous forme d&apos;image PNG, de document PDF, d&apos;image SVG, de page web ou de texte UTF-8, sans fenêtre ni écran.
Avec --generate, écrit dans --output un NFO de film ou de logiciel rempli à partir de --field et --fields.
Avec --thumbnail, écrit dans SORTIE une petite image du haut de ENTRÉE, telle que l&apos;affichent les gestionnaires de fichiers.
Avec --check, liste ce que les visionneuses montreraient mal dans chaque FICHIER.
Avec --sauce, affiche l’enregistrement SAUCE du FICHIER.</translation>
    </message>
    <message>
        <source>Writes each FILE as FORMAT: png, pdf, svg, html or txt (UTF-8), beside it (art.nfo gives art.png) unless --output says otherwise.</source>
        <translation>Écrit chaque FICHIER au FORMAT png, pdf, svg, html ou txt (UTF-8), à côté de lui (art.nfo donne art.png), sauf si --output indique autre chose.</translation>
    </message>
    <message>
        <source>--export takes png, pdf, svg, html or txt.</source>
        <translation>--export attend png, pdf, svg, html ou txt.</translation>
    </message>
</context>
<context>
    <name>CrashRecovery</name>
    <message>
        <source>an untitled document</source>
        <translation>un document sans titre</translation>
    </message>
    <message>
        <source>Quilra ended without saving the changes to %1. Restore them?</source>
        <translation>Quilra s’est arrêté sans enregistrer les modifications de %1. Les restaurer ?</translation>
    </message>
</context>
<context>
    <name>DocumentEditor</name>
    <message>
        <source>Open Link</source>
        <translation>Ouvrir le lien</translation>
    </message>
    <message>
        <source>Copy Link Address</source>
        <translation>Copier l&apos;adresse du lien</translation>
    </message>
</context>
<context>
    <name>DocumentExport</name>
    <message>
        <source>The VGA font Px IBM VGA8 (Debian package fonts-pc) was not found, so no picture was made.</source>
        <translation>La police VGA Px IBM VGA8 (paquet Debian fonts-pc) est introuvable : aucune image n’a été créée.</translation>
    </message>
    <message>
        <source>The picture would be wider than %1 or taller than %2 pixels, so no picture was made.</source>
        <translation>L’image dépasserait %1 pixels de large ou %2 pixels de haut : aucune image n’a été créée.</translation>
    </message>
    <message>
        <source>The picture could not be written, so no picture was made.</source>
        <translation>L’image n’a pas pu être écrite : aucune image n’a été créée.</translation>
    </message>
    <message>
        <source>The export was cancelled, so nothing was written.</source>
        <translation>L’export a été annulé : rien n’a été écrit.</translation>
    </message>
    <message>
        <source>The page would be wider than %1 points, the most a PDF page may be, so no PDF document was made. A smaller scale or 8-pixel cells may fit.</source>
        <translation>La page serait plus large que %1 points, le maximum d&apos;une page PDF, aucun document PDF n&apos;a donc été créé. Une échelle plus petite ou des cellules de 8 pixels pourraient tenir.</translation>
    </message>
</context>
<context>
    <name>DocumentFiles</name>
    <message>
        <source>NFO File, %1 (*.nfo) | *.nfo</source>
        <translation>Fichier NFO, %1 (*.nfo) | *.nfo</translation>
    </message>
    <message>
        <source>Save NFO File...</source>
        <translation>Enregistrer le fichier NFO...</translation>
    </message>
    <message>
        <source>Untitled</source>
        <translation>Sans titre</translation>
    </message>
    <message>
        <source>Save changes to %1?</source>
        <translation>Enregistrer les modifications de %1 ?</translation>
    </message>
    <message>
        <source>%1 is too large to open.</source>
        <translation>%1 est trop volumineux pour être ouvert.</translation>
    </message>
    <message>
        <source>%1 is not a file but a folder, a device or a pipe.</source>
        <translation>%1 n’est pas un fichier mais un dossier, un périphérique ou un tube.</translation>
    </message>
    <message>
        <source>You may not read %1.</source>
        <translation>Vous n’avez pas le droit de lire %1.</translation>
    </message>
    <message>
        <source>%1 could not be found or read.</source>
        <translation>%1 est introuvable ou illisible.</translation>
    </message>
    <message>
        <source>Another program changed %1 since it was opened here. Overwrite it with this document?</source>
        <translation>Un autre programme a modifié %1 depuis son ouverture ici. L’écraser avec ce document ?</translation>
    </message>
    <message>
        <source>%1 is no longer where it was opened from. Save this document there anew?</source>
        <translation>%1 n’est plus à l’endroit d’où il a été ouvert. Y enregistrer de nouveau ce document ?</translation>
    </message>
    <message>
        <source>%1 was saved as a file of its own; its other names keep the old text.</source>
        <translation>%1 a été enregistré comme un fichier distinct ; ses autres noms gardent l’ancien texte.</translation>
    </message>
    <message>
        <source>%1 was saved, but its owner or permissions could not be kept.</source>
        <translation>%1 a été enregistré, mais son propriétaire ou ses droits n’ont pas pu être conservés.</translation>
    </message>
</context>
<context>
    <name>ExportCommand</name>
    <message>
        <source>the art draws more than %1 rows; the export stops there.</source>
        <translation>l’image dépasse %1 lignes ; l’export s’arrête là.</translation>
    </message>
    <message>
        <source>the export would replace the file itself.</source>
        <translation>l’export remplacerait le fichier lui-même.</translation>
    </message>
</context>
<context>
    <name>FileChangedBar</name>
    <message>
        <source>Another program changed this file.</source>
        <translation>Un autre programme a modifié ce fichier.</translation>
    </message>
    <message>
        <source>&amp;Reload</source>
        <translation>&amp;Recharger</translation>
    </message>
    <message>
        <source>Dismiss</source>
        <translation>Ignorer</translation>
    </message>
</context>
<context>
    <name>FileEncoding</name>
    <message>
        <source>%1, repaired twice from CP437</source>
        <translation>%1, réparé deux fois depuis CP437</translation>
    </message>
    <message>
        <source>%1, repaired from CP437</source>
        <translation>%1, réparé depuis CP437</translation>
    </message>
</context>
<context>
    <name>FindBar</name>
    <message>
        <source>Find</source>
        <translation>Rechercher</translation>
    </message>
    <message>
        <source>Match case</source>
        <translation>Respecter la casse</translation>
    </message>
    <message>
        <source>Previous</source>
        <translation>Précédent</translation>
    </message>
    <message>
        <source>Next</source>
        <translation>Suivant</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fermer</translation>
    </message>
    <message>
        <source>Replace with</source>
        <translation>Remplacer par</translation>
    </message>
    <message>
        <source>Replace</source>
        <translation>Remplacer</translation>
    </message>
    <message>
        <source>Replace All</source>
        <translation>Tout remplacer</translation>
    </message>
    <message>
        <source>No matches</source>
        <translation>Aucun résultat</translation>
    </message>
    <message>
        <source>%1 matches</source>
        <translation>%1 résultats</translation>
    </message>
    <message>
        <source>%1 of %2</source>
        <translation>%1 sur %2</translation>
    </message>
    <message>
        <source>%1 replaced</source>
        <translation>%1 remplacé(s)</translation>
    </message>
</context>
<context>
    <name>Form2</name>
    <message>
        <source>Custom Character</source>
        <translation>Caractère personnalisé</translation>
    </message>
    <message>
        <source>Please Enter The character you wish to assign to this key.</source>
        <translation>Veuillez saisir le caractère à attribuer à cette touche.</translation>
    </message>
    <message>
        <source>Clear Custom</source>
        <translation>Effacer un caractère</translation>
    </message>
    <message>
        <source>Please enter the button number you wish to clear.<byte value="xd"/>
(Enter a number between 2 and 11</source>
        <translation>Veuillez saisir le numéro de la touche à effacer.<byte value="xd"/>
(Saisissez un nombre entre 2 et 11</translation>
    </message>
    <message>
        <source>Please Enter a number between 2 and 11</source>
        <translation>Veuillez saisir un nombre entre 2 et 11</translation>
    </message>
    <message>
        <source>Custom Characters</source>
        <translation>Caractères personnalisés</translation>
    </message>
    <message>
        <source>Clear Custom Characters</source>
        <translation>Effacer les caractères</translation>
    </message>
    <message>
        <source>A custom key cannot hold a line break.</source>
        <translation>Une touche personnalisée ne peut pas contenir de saut de ligne.</translation>
    </message>
</context>
<context>
    <name>InputFiles</name>
    <message>
        <source>%1 is one of the files read; it is not written over.</source>
        <translation>%1 fait partie des fichiers lus ; il n’est pas écrasé.</translation>
    </message>
</context>
<context>
    <name>MDIForm1</name>
    <message>
        <source>&amp;Custom Characters</source>
        <translation>&amp;Caractères personnalisés</translation>
    </message>
    <message>
        <source>&amp;Auto Generate</source>
        <translation>&amp;Génération automatique</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Fichier</translation>
    </message>
    <message>
        <source>&amp;New</source>
        <translation>&amp;Nouveau</translation>
    </message>
    <message>
        <source>&amp;Load</source>
        <translation>&amp;Charger</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Enregistrer</translation>
    </message>
    <message>
        <source>Save &amp;As...</source>
        <translation>Enregistrer &amp;sous...</translation>
    </message>
    <message>
        <source>P&amp;roperties</source>
        <translation>P&amp;ropriétés</translation>
    </message>
    <message>
        <source>No History</source>
        <translation>Aucun historique</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Quitter</translation>
    </message>
    <message>
        <source>&amp;Export</source>
        <translation>E&amp;xporter</translation>
    </message>
    <message>
        <source>&amp;PNG Picture...</source>
        <translation>Image &amp;PNG...</translation>
    </message>
    <message>
        <source>&amp;HTML Page...</source>
        <translation>Page &amp;HTML...</translation>
    </message>
    <message>
        <source>&amp;UTF-8 Text...</source>
        <translation>Texte &amp;UTF-8...</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>É&amp;dition</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Annuler</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>Réta&amp;blir</translation>
    </message>
    <message>
        <source>Cu&amp;t</source>
        <translation>Co&amp;uper</translation>
    </message>
    <message>
        <source>Select &amp;All</source>
        <translation>&amp;Tout sélectionner</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>&amp;Copier</translation>
    </message>
    <message>
        <source>&amp;Paste</source>
        <translation>C&amp;oller</translation>
    </message>
    <message>
        <source>&amp;Find...</source>
        <translation>&amp;Rechercher...</translation>
    </message>
    <message>
        <source>R&amp;eplace...</source>
        <translation>R&amp;emplacer...</translation>
    </message>
    <message>
        <source>Find &amp;Next</source>
        <translation>Rechercher le &amp;suivant</translation>
    </message>
    <message>
        <source>Find Pre&amp;vious</source>
        <translation>Rechercher le &amp;précédent</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>Affic&amp;hage</translation>
    </message>
    <message>
        <source>&amp;Encoding</source>
        <translation>&amp;Encodage</translation>
    </message>
    <message>
        <source>&amp;Word Wrap</source>
        <translation>Retour à la &amp;ligne</translation>
    </message>
    <message>
        <source>Zoom &amp;In</source>
        <translation>Zoom &amp;avant</translation>
    </message>
    <message>
        <source>Zoom &amp;Out</source>
        <translation>Zoom a&amp;rrière</translation>
    </message>
    <message>
        <source>&amp;Actual Size</source>
        <translation>&amp;Taille réelle</translation>
    </message>
    <message>
        <source>&amp;Settings</source>
        <translation>&amp;Réglages</translation>
    </message>
    <message>
        <source>&amp;Misc Settings</source>
        <translation>Réglages &amp;divers</translation>
    </message>
    <message>
        <source>&amp;Color Settings</source>
        <translation>&amp;Couleurs</translation>
    </message>
    <message>
        <source>&amp;Font Settings</source>
        <translation>&amp;Police</translation>
    </message>
    <message>
        <source>&amp;Program Settings</source>
        <translation>Réglages du &amp;programme</translation>
    </message>
    <message>
        <source>Allow Quilra &amp;Link</source>
        <translation>Autoriser le &amp;lien Quilra</translation>
    </message>
    <message>
        <source>&amp;Associate Files</source>
        <translation>&amp;Associer les fichiers</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Aide</translation>
    </message>
    <message>
        <source>&amp;About this Program</source>
        <translation>À &amp;propos de ce programme</translation>
    </message>
    <message>
        <source>Online &amp;Help</source>
        <translation>&amp;Aide en ligne</translation>
    </message>
    <message>
        <source>&amp;Donate</source>
        <translation>&amp;Faire un don</translation>
    </message>
    <message>
        <source>Load NFO file</source>
        <translation>Charger un fichier NFO</translation>
    </message>
    <message>
        <source>PNG Picture</source>
        <translation>Image PNG</translation>
    </message>
    <message>
        <source>HTML Page</source>
        <translation>Page HTML</translation>
    </message>
    <message>
        <source>UTF-8 Text</source>
        <translation>Texte UTF-8</translation>
    </message>
    <message>
        <source>Export %1</source>
        <translation>Exporter : %1</translation>
    </message>
    <message>
        <source>Repaired from CP437</source>
        <translation>Réparé depuis CP437</translation>
    </message>
    <message>
        <source>Show &amp;Codes</source>
        <translation>Afficher les &amp;codes</translation>
    </message>
    <message>
        <source>i&amp;CE Colours</source>
        <translation>Couleurs &amp;iCE</translation>
    </message>
    <message>
        <source>Export progress</source>
        <translation>Progression de l’export</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>C&amp;heck NFO</source>
        <translation>&amp;Vérifier le NFO</translation>
    </message>
    <message>
        <source>Ne&amp;xt File</source>
        <translation>Fichier &amp;suivant</translation>
    </message>
    <message>
        <source>Pre&amp;vious File</source>
        <translation>Fichier &amp;précédent</translation>
    </message>
    <message>
        <source>nfo file (*.nfo)|*.nfo|Text art (*.nfo *.diz *.asc *.ans *.txt)|*.nfo *.diz *.asc *.ans *.txt|All files (*)|*</source>
        <translation>fichier nfo (*.nfo)|*.nfo|Art texte (*.nfo *.diz *.asc *.ans *.txt)|*.nfo *.diz *.asc *.ans *.txt|Tous les fichiers (*)|*</translation>
    </message>
    <message>
        <source>There is no next text-art file in this folder.</source>
        <translation>Il n&apos;y a pas de fichier d&apos;art texte suivant dans ce dossier.</translation>
    </message>
    <message>
        <source>There is no previous text-art file in this folder.</source>
        <translation>Il n&apos;y a pas de fichier d&apos;art texte précédent dans ce dossier.</translation>
    </message>
    <message>
        <source>&amp;Print...</source>
        <translation>&amp;Imprimer...</translation>
    </message>
    <message>
        <source>Print Pre&amp;view...</source>
        <translation>&amp;Aperçu avant impression...</translation>
    </message>
    <message>
        <source>The VGA font Px IBM VGA8 (Debian package fonts-pc) was not found, so nothing was printed.</source>
        <translation>La police VGA Px IBM VGA8 (paquet Debian fonts-pc) est introuvable, rien n&apos;a donc été imprimé.</translation>
    </message>
    <message>
        <source>P&amp;DF Document...</source>
        <translation>Document P&amp;DF...</translation>
    </message>
    <message>
        <source>&amp;SVG Picture...</source>
        <translation>Image &amp;SVG...</translation>
    </message>
    <message>
        <source>PDF Document</source>
        <translation>Document PDF</translation>
    </message>
    <message>
        <source>SVG Picture</source>
        <translation>Image SVG</translation>
    </message>
    <message>
        <source>A print or an export is under way: cancel it or wait for it to end.</source>
        <translation>Une impression ou un export est en cours : annulez-le ou attendez qu’il se termine.</translation>
    </message>
    <message>
        <source>Print progress</source>
        <translation>Progression de l’impression</translation>
    </message>
    <message>
        <source>The print was cancelled.</source>
        <translation>L’impression a été annulée.</translation>
    </message>
</context>
<context>
    <name>MediaProbe</name>
    <message>
        <source>MediaInfo (libmediainfo.so.0) could not be loaded, so no video facts can be read. Install the package libmediainfo0v5.</source>
        <translation>MediaInfo (libmediainfo.so.0) n’a pas pu être chargé : aucune information vidéo ne peut être lue. Installez le paquet libmediainfo0v5.</translation>
    </message>
    <message>
        <source>No video facts found in %1.</source>
        <translation>Aucune information vidéo trouvée dans %1.</translation>
    </message>
</context>
<context>
    <name>Messages</name>
    <message>
        <source>File not found.</source>
        <translation>Fichier introuvable.</translation>
    </message>
    <message>
        <source>File could not be saved.</source>
        <translation>Le fichier n&apos;a pas pu être enregistré.</translation>
    </message>
    <message>
        <source>File is too large to open.</source>
        <translation>Le fichier est trop volumineux pour être ouvert.</translation>
    </message>
    <message>
        <source>Template file not found.</source>
        <translation>Fichier modèle introuvable.</translation>
    </message>
    <message>
        <source>code page 437</source>
        <translation>la page de code 437</translation>
    </message>
    <message>
        <source>&quot;%1&quot; has no code in %2 and was not inserted.</source>
        <translation>« %1 » n&apos;a pas de code dans %2 et n&apos;a pas été inséré.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; has no code in code page 437, so the key was not assigned.</source>
        <translation>« %1 » n&apos;a pas de code dans la page de code 437 : la touche n&apos;a pas été attribuée.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; has no code in %2, so it cannot go into the NFO file. Nothing was changed.</source>
        <translation>« %1 » n&apos;a pas de code dans %2 et ne peut donc pas aller dans le fichier NFO. Rien n&apos;a été modifié.</translation>
    </message>
    <message>
        <source>Nothing was changed.</source>
        <translation>Rien n&apos;a été modifié.</translation>
    </message>
    <message>
        <source>The field &quot;%1&quot; holds &quot;%2&quot;, which has no code in code page 437, so it cannot go into the NFO file.</source>
        <translation>Le champ « %1 » contient « %2 », qui n&apos;a pas de code dans la page de code 437 : il ne peut donc pas aller dans le fichier NFO.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; has no code in %2, so the file was not saved.</source>
        <translation>« %1 » n&apos;a pas de code dans %2 : le fichier n&apos;a donc pas été enregistré.</translation>
    </message>
    <message>
        <source>The document cannot be read as %1 without losing characters.</source>
        <translation>Le document ne peut pas être lu en %1 sans perdre de caractères.</translation>
    </message>
</context>
<context>
    <name>NfoChecker</name>
    <message>
        <source>byte-order mark in a code page 437 file: viewers show it as %1 at the top</source>
        <translation>indicateur d’ordre des octets dans un fichier en page de code 437 : les visionneuses l’affichent en haut comme %1</translation>
    </message>
    <message>
        <source>line is %1 columns wide, more than %2: a viewer %2 columns wide wraps or cuts it</source>
        <translation>la ligne fait %1 colonnes, plus de %2 : une visionneuse de %2 colonnes la coupe ou la renvoie à la ligne</translation>
    </message>
    <message>
        <source>trailing blanks: invisible, yet copied with the line and counted in its width</source>
        <translation>blancs en fin de ligne : invisibles, mais copiés avec la ligne et comptés dans sa largeur</translation>
    </message>
    <message>
        <source>tab: viewers expand it to different widths, so what follows shifts</source>
        <translation>tabulation : les visionneuses l’étendent à des largeurs différentes, et ce qui suit se décale</translation>
    </message>
    <message>
        <source>NUL: many viewers end the text here or leave out the rest of the line</source>
        <translation>NUL : beaucoup de visionneuses arrêtent le texte ici ou omettent le reste de la ligne</translation>
    </message>
    <message>
        <source>Ctrl-Z inside the text: DOS viewers stop reading here and hide the rest</source>
        <translation>Ctrl-Z dans le texte : les visionneuses DOS cessent de lire ici et cachent la suite</translation>
    </message>
    <message>
        <source>replacement character: a program that could not read the text put it where a character was lost</source>
        <translation>caractère de remplacement : un programme qui ne pouvait lire le texte l’a mis à la place d’un caractère perdu</translation>
    </message>
    <message>
        <source>%1 on %2 lines: viewers show extra blank lines or run lines together</source>
        <translation>%1 sur %2 lignes : les visionneuses montrent des lignes vides en trop ou collent des lignes</translation>
    </message>
    <message>
        <source>line end %1 here, %2</source>
        <translation>fin de ligne %1 ici, %2</translation>
    </message>
    <message>
        <source>line ends %1 here and on %2 more lines, %3</source>
        <translation>fins de ligne %1 ici et sur %2 autres lignes, %3</translation>
    </message>
    <message>
        <source>no line end after the last line: programs that add to the file or count its lines join it to the next text or leave it out</source>
        <translation>pas de fin de ligne après la dernière ligne : les programmes qui ajoutent au fichier ou comptent ses lignes la collent au texte suivant ou l’omettent</translation>
    </message>
    <message>
        <source>damaged SAUCE record: viewers show its bytes as text at the end, or read wrong fields from it</source>
        <translation>enregistrement SAUCE endommagé : les visionneuses affichent ses octets comme du texte à la fin, ou y lisent des champs faux</translation>
    </message>
    <message>
        <source>the SAUCE record gives the text as %1 bytes, but it has %2: viewers that go by the record cut the text short or show the record as text</source>
        <translation>l’enregistrement SAUCE donne au texte %1 octets, mais il en a %2 : les visionneuses qui s’y fient tronquent le texte ou affichent l’enregistrement comme du texte</translation>
    </message>
    <message>
        <source>address %1 cannot be opened as written: %2</source>
        <translation>l’adresse %1 ne peut être ouverte telle qu’écrite : %2</translation>
    </message>
    <message>
        <source>Windows-1252 punctuation in a code page 437 file: viewers show the letter %1 where %2 was meant</source>
        <translation>ponctuation Windows-1252 dans un fichier en page de code 437 : les visionneuses montrent la lettre %1 là où %2 était voulu</translation>
    </message>
    <message>
        <source>Make every line end alike</source>
        <translation>Uniformiser les fins de ligne</translation>
    </message>
    <message>
        <source>Replace Windows-1252 punctuation with ASCII</source>
        <translation>Remplacer la ponctuation Windows-1252 par de l’ASCII</translation>
    </message>
    <message>
        <source>Add a line end at the end</source>
        <translation>Ajouter une fin de ligne à la fin</translation>
    </message>
    <message>
        <source>Remove trailing blanks</source>
        <translation>Supprimer les blancs en fin de ligne</translation>
    </message>
    <message>
        <source>Correct the SAUCE file size</source>
        <translation>Corriger la taille de fichier SAUCE</translation>
    </message>
</context>
<context>
    <name>NfoDocument</name>
    <message>
        <source>ANSI art is shown as it is drawn and cannot be edited; View &gt; Show Codes edits its codes.</source>
        <translation>L’art ANSI est affiché tel qu’il est dessiné et ne peut pas être modifié ; Affichage &gt; Afficher les codes permet d’en modifier les codes.</translation>
    </message>
</context>
<context>
    <name>PrintPainter</name>
    <message>
        <source>The printer could not be started, so nothing was printed.</source>
        <translation>L&apos;imprimante n&apos;a pas pu démarrer, rien n&apos;a donc été imprimé.</translation>
    </message>
    <message>
        <source>The printer stopped before the last page.</source>
        <translation>L&apos;imprimante s&apos;est arrêtée avant la dernière page.</translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <source>&amp;Overwrite</source>
        <translation>É&amp;craser</translation>
    </message>
    <message>
        <source>Save &amp;As...</source>
        <translation>Enregistrer &amp;sous...</translation>
    </message>
    <message>
        <source>&amp;Restore</source>
        <translation>&amp;Restaurer</translation>
    </message>
    <message>
        <source>&amp;Discard</source>
        <translation>&amp;Abandonner</translation>
    </message>
    <message>
        <source>&amp;Black on white</source>
        <translation>&amp;Noir sur blanc</translation>
    </message>
    <message>
        <source>Prints the characters in black on white paper instead of in the document&apos;s colours.</source>
        <translation>Imprime les caractères en noir sur papier blanc au lieu des couleurs du document.</translation>
    </message>
    <message>
        <source>Colours</source>
        <translation>Couleurs</translation>
    </message>
</context>
<context>
    <name>SauceCommand</name>
    <message>
        <source>the file has no SAUCE record.</source>
        <translation>le fichier n’a pas d’enregistrement SAUCE.</translation>
    </message>
</context>
<context>
    <name>SauceDialog</name>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>&amp;Remove Record</source>
        <translation>&amp;Supprimer l’enregistrement</translation>
    </message>
    <message>
        <source>Properties</source>
        <translation>Propriétés</translation>
    </message>
    <message>
        <source>not given</source>
        <translation>non indiquée</translation>
    </message>
    <message>
        <source>&amp;Title:</source>
        <translation>&amp;Titre :</translation>
    </message>
    <message>
        <source>&amp;Author:</source>
        <translation>&amp;Auteur :</translation>
    </message>
    <message>
        <source>&amp;Group:</source>
        <translation>&amp;Groupe :</translation>
    </message>
    <message>
        <source>&amp;Date (CCYYMMDD):</source>
        <translation>&amp;Date (AAAAMMJJ) :</translation>
    </message>
    <message>
        <source>&amp;Width in characters:</source>
        <translation>&amp;Largeur en caractères :</translation>
    </message>
    <message>
        <source>&amp;Font:</source>
        <translation>&amp;Police :</translation>
    </message>
    <message>
        <source>&amp;Comments, one a line:</source>
        <translation>&amp;Commentaires, un par ligne :</translation>
    </message>
    <message>
        <source>The date needs eight digits: year, month and day, such as 20261207.</source>
        <translation>La date demande huit chiffres : année, mois et jour, comme 20261207.</translation>
    </message>
    <message>
        <source>A SAUCE record holds at most %1 comment lines.</source>
        <translation>Un enregistrement SAUCE contient au plus %1 lignes de commentaire.</translation>
    </message>
    <message>
        <source>A comment line holds at most %1 characters.</source>
        <translation>Une ligne de commentaire contient au plus %1 caractères.</translation>
    </message>
    <message>
        <source>Code page 437 has no &quot;%1&quot;: a SAUCE record cannot hold it.</source>
        <translation>La page de code 437 n’a pas de « %1 » : un enregistrement SAUCE ne peut le contenir.</translation>
    </message>
    <message>
        <source>The record is damaged: these are the fields it still holds.</source>
        <translation>L’enregistrement est endommagé : voici les champs qu’il contient encore.</translation>
    </message>
</context>
<context>
    <name>SettingsWriteNotice</name>
    <message>
        <source>The settings file %1 is larger than 1 MB, more than Quilra ever writes. It is only read in this run, and no setting is saved in it.</source>
        <translation>Le fichier de paramètres %1 dépasse 1 Mo, plus que Quilra n’en écrit jamais. Il est seulement lu pendant cette session et aucun paramètre n’y est enregistré.</translation>
    </message>
    <message>
        <source>The settings could not be saved in %1. They stay as they were stored.</source>
        <translation>Les paramètres n’ont pas pu être enregistrés dans %1. Les valeurs enregistrées restent en vigueur.</translation>
    </message>
</context>
<context>
    <name>Thumbnail</name>
    <message>
        <source>The file cannot be read.</source>
        <translation>Le fichier ne peut pas être lu.</translation>
    </message>
    <message>
        <source>The file holds no text to draw.</source>
        <translation>Le fichier ne contient aucun texte à dessiner.</translation>
    </message>
    <message>
        <source>The VGA font Px IBM VGA8 (Debian package fonts-pc) was not found.</source>
        <translation>La police VGA Px IBM VGA8 (paquet Debian fonts-pc) est introuvable.</translation>
    </message>
    <message>
        <source>The picture could not be made.</source>
        <translation>L&apos;image n&apos;a pas pu être créée.</translation>
    </message>
</context>
<context>
    <name>ViewCommands</name>
    <message>
        <source> BOM</source>
        <translation> BOM</translation>
    </message>
    <message>
        <source>The codes no longer draw ANSI art, so they stay shown.</source>
        <translation>Les codes ne dessinent plus d’art ANSI ; ils restent donc affichés.</translation>
    </message>
    <message>
        <source>ANSI</source>
        <translation>ANSI</translation>
    </message>
</context>
<context>
    <name>WholeFile</name>
    <message>
        <source>%1 is a symbolic link; nothing is written through it.</source>
        <translation>%1 est un lien symbolique ; rien n’est écrit à travers lui.</translation>
    </message>
    <message>
        <source>%1 is a device, a pipe or a socket, not a file; nothing is written to it.</source>
        <translation>%1 est un périphérique, un tube ou une socket, pas un fichier ; rien n’y est écrit.</translation>
    </message>
    <message>
        <source>%1 is a folder.</source>
        <translation>%1 est un dossier.</translation>
    </message>
</context>
<context>
    <name>frmabout</name>
    <message>
        <source>Quilra is a small application that will allow you to create as well as view NFO files.  I have seen many NFO viewers and many NFO creators but I have never seen one that will do both.  If you have any questions or any comments you would like to share please visit the Quilra website.</source>
        <translation>Quilra est une petite application qui vous permet aussi bien de créer que d&apos;afficher des fichiers NFO.  J&apos;ai vu beaucoup de visionneuses NFO et beaucoup d&apos;éditeurs NFO, mais jamais un seul qui fasse les deux.  Si vous avez des questions ou des commentaires à partager, rendez-vous sur le site de Quilra.</translation>
    </message>
    <message>
        <source>About %1</source>
        <translation>À propos de %1</translation>
    </message>
    <message>
        <source>Times Opened</source>
        <translation>Ouvertures</translation>
    </message>
</context>
<context>
    <name>frmcolor</name>
    <message>
        <source>Color Picker</source>
        <translation>Choix des couleurs</translation>
    </message>
    <message>
        <source>Text Color</source>
        <translation>Couleur du texte</translation>
    </message>
    <message>
        <source>Background Color</source>
        <translation>Couleur de fond</translation>
    </message>
    <message>
        <source>Apply</source>
        <translation>Appliquer</translation>
    </message>
    <message>
        <source>Pre&amp;set:</source>
        <translation>&amp;Préréglage :</translation>
    </message>
    <message>
        <source>Own colours</source>
        <translation>Couleurs personnelles</translation>
    </message>
</context>
<context>
    <name>frmfont</name>
    <message>
        <source>Font Chooser</source>
        <translation>Choix de la police</translation>
    </message>
    <message>
        <source>Font:</source>
        <translation>Police :</translation>
    </message>
    <message>
        <source>Font Size:</source>
        <translation>Taille :</translation>
    </message>
    <message>
        <source>Font</source>
        <translation>Police</translation>
    </message>
    <message>
        <source>Apply</source>
        <translation>Appliquer</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Please choose a font size.</source>
        <translation>Veuillez choisir une taille de police.</translation>
    </message>
</context>
<context>
    <name>frmmovie</name>
    <message>
        <source>Template…</source>
        <translation>Modèle…</translation>
    </message>
    <message>
        <source>Auto Generator</source>
        <translation>Génération automatique</translation>
    </message>
    <message>
        <source>Movie Template</source>
        <translation>Modèle de film</translation>
    </message>
    <message>
        <source>Application Template</source>
        <translation>Modèle de logiciel</translation>
    </message>
    <message>
        <source>Upper:</source>
        <translation>Uploader :</translation>
    </message>
    <message>
        <source>Release Date:</source>
        <translation>Sortie :</translation>
    </message>
    <message>
        <source>Theater Date:</source>
        <translation>En salle :</translation>
    </message>
    <message>
        <source>Dvd Release:</source>
        <translation>Sortie DVD :</translation>
    </message>
    <message>
        <source>Runtime:</source>
        <translation>Durée :</translation>
    </message>
    <message>
        <source>Language:</source>
        <translation>Langue :</translation>
    </message>
    <message>
        <source>IMDB Link:</source>
        <translation>Lien IMDb :</translation>
    </message>
    <message>
        <source>IMDB Rating:</source>
        <translation>Note IMDb :</translation>
    </message>
    <message>
        <source>Video Codec:</source>
        <translation>Codec vidéo :</translation>
    </message>
    <message>
        <source>Resolution:</source>
        <translation>Résolution :</translation>
    </message>
    <message>
        <source>Audio Codec:</source>
        <translation>Codec audio :</translation>
    </message>
    <message>
        <source>Audio Bitrate:</source>
        <translation>Débit audio :</translation>
    </message>
    <message>
        <source>Subtitles:</source>
        <translation>Sous-titres :</translation>
    </message>
    <message>
        <source>Size:</source>
        <translation>Taille :</translation>
    </message>
    <message>
        <source>Movie Title:</source>
        <translation>Titre du film :</translation>
    </message>
    <message>
        <source>Summary:</source>
        <translation>Résumé :</translation>
    </message>
    <message>
        <source>KB</source>
        <translation>Ko</translation>
    </message>
    <message>
        <source>Get</source>
        <translation>Lire</translation>
    </message>
    <message>
        <source>Create</source>
        <translation>Créer</translation>
    </message>
    <message>
        <source>Application Title:</source>
        <translation>Titre du logiciel :</translation>
    </message>
    <message>
        <source>Cracker:</source>
        <translation>Cracker :</translation>
    </message>
    <message>
        <source>Serial Number:</source>
        <translation>Numéro de série :</translation>
    </message>
    <message>
        <source>OS Type:</source>
        <translation>Système :</translation>
    </message>
    <message>
        <source>Program Type:</source>
        <translation>Type de logiciel :</translation>
    </message>
    <message>
        <source>Installation Instructions:</source>
        <translation>Instructions d&apos;installation :</translation>
    </message>
    <message>
        <source>Preview</source>
        <translation>Aperçu</translation>
    </message>
    <message>
        <source>Get File Size</source>
        <translation>Lire la taille d&apos;un fichier</translation>
    </message>
    <message>
        <source>all files *|*</source>
        <translation>tous les fichiers *|*</translation>
    </message>
    <message>
        <source>Choose a Template</source>
        <translation>Choisir un modèle</translation>
    </message>
    <message>
        <source>nfo file (*.nfo)|*.nfo|all files *|*</source>
        <translation>fichier nfo (*.nfo)|*.nfo|tous les fichiers *|*</translation>
    </message>
    <message>
        <source>From Video…</source>
        <translation>Depuis une vidéo…</translation>
    </message>
    <message>
        <source>Fill the empty fields from a video file: runtime, codecs, resolution, languages, subtitles and size.</source>
        <translation>Remplir les champs vides depuis un fichier vidéo : durée, codecs, résolution, langues, sous-titres et taille.</translation>
    </message>
    <message>
        <source>Fill From a Video</source>
        <translation>Remplir depuis une vidéo</translation>
    </message>
    <message>
        <source>video files</source>
        <translation>fichiers vidéo</translation>
    </message>
    <message>
        <source>all files *</source>
        <translation>tous les fichiers *</translation>
    </message>
    <message>
        <source>Nothing filled from %1.</source>
        <translation>Rien n’a été rempli depuis %1.</translation>
    </message>
    <message>
        <source>Filled from %1: %2.</source>
        <translation>Rempli depuis %1 : %2.</translation>
    </message>
    <message>
        <source>Kept as typed: %1.</source>
        <translation>Conservé tel que saisi : %1.</translation>
    </message>
</context>
<context>
    <name>frmpilvo</name>
    <message>
        <source>I Love Pilvo</source>
        <translation>J&apos;aime Pilvo</translation>
    </message>
    <message>
        <source>PILVO</source>
        <translation>PILVO</translation>
    </message>
    <message>
        <source>LOVE</source>
        <translation>AIME</translation>
    </message>
    <message>
        <source>I</source>
        <translation>J&apos;</translation>
    </message>
</context>
</TS>
