<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE" sourcelanguage="en">
<context>
    <name>AddressForm</name>
    <message>
        <source>it names no host</source>
        <translation>sie nennt keinen Host</translation>
    </message>
    <message>
        <source>its port is not a number from 1 to 65535</source>
        <translation>ihr Port ist keine Zahl von 1 bis 65535</translation>
    </message>
    <message>
        <source>it holds characters a browser does not take as written</source>
        <translation>sie enthält Zeichen, die ein Browser so nicht annimmt</translation>
    </message>
    <message>
        <source>its host name %1 has no top-level domain</source>
        <translation>ihr Hostname %1 hat keine Top-Level-Domain</translation>
    </message>
    <message>
        <source>its host name %1 is not made of names of letters, digits and hyphens between single dots</source>
        <translation>ihr Hostname %1 besteht nicht aus Namen aus Buchstaben, Ziffern und Bindestrichen zwischen einzelnen Punkten</translation>
    </message>
    <message>
        <source>its host name %1 ends in %2, which is no top-level domain</source>
        <translation>ihr Hostname %1 endet auf %2, das keine Top-Level-Domain ist</translation>
    </message>
</context>
<context>
    <name>AnsiDocument</name>
    <message>
        <source>The art draws more than %1 rows; it is shown up to there.</source>
        <translation>Das Bild hat mehr als %1 Zeilen; es wird bis dorthin gezeigt.</translation>
    </message>
</context>
<context>
    <name>BatchGeneration</name>
    <message>
        <source>&quot;%1&quot; is no kind of NFO to generate: use movie or application.</source>
        <translation>„%1“ ist keine Art von NFO, die erzeugt werden kann: movie oder application verwenden.</translation>
    </message>
    <message>
        <source>--link takes yes or no, not &quot;%1&quot;.</source>
        <translation>--link erwartet yes oder no, nicht „%1“.</translation>
    </message>
    <message>
        <source>Nothing was written.</source>
        <translation>Es wurde nichts geschrieben.</translation>
    </message>
    <message>
        <source>The fields file %1 could not be read.</source>
        <translation>Die Felddatei %1 konnte nicht gelesen werden.</translation>
    </message>
    <message>
        <source>The fields file %1 has no [%2] section.</source>
        <translation>Die Felddatei %1 hat keinen Abschnitt [%2].</translation>
    </message>
    <message>
        <source>--field takes NAME=VALUE, not &quot;%1&quot;.</source>
        <translation>--field erwartet NAME=WERT, nicht „%1“.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is no field of the %2 template; its fields are %3.</source>
        <translation>„%1“ ist kein Feld der Vorlage %2; ihre Felder sind %3.</translation>
    </message>
    <message>
        <source>--media fills the movie template only.</source>
        <translation>--media füllt nur die Film-Vorlage.</translation>
    </message>
</context>
<context>
    <name>BatchOptions</name>
    <message>
        <source>Generate a movie or an application NFO file from its template without opening a window, and write it to the file named by --output.</source>
        <translation>Erzeugt eine Film- oder Programm-NFO-Datei aus ihrer Vorlage, ohne ein Fenster zu öffnen, und schreibt sie in die mit --output genannte Datei.</translation>
    </message>
    <message>
        <source>With --generate: fill the placeholder $NAME$ with VALUE, such as title=&quot;My Movie&quot;. May be given many times; it overrides the same name in --fields. A field not given takes its default text.</source>
        <translation>Mit --generate: füllt den Platzhalter $NAME$ mit WERT, etwa title=&quot;Mein Film&quot;. Darf mehrfach angegeben werden und hat Vorrang vor demselben Namen in --fields. Ein nicht angegebenes Feld erhält seinen Standardtext.</translation>
    </message>
    <message>
        <source>With --generate: read NAME=VALUE lines from the section [movie] or [application] of the INI file FILE.</source>
        <translation>Mit --generate: liest Zeilen NAME=WERT aus dem Abschnitt [movie] oder [application] der INI-Datei DATEI.</translation>
    </message>
    <message>
        <source>With --generate: fill FILE instead of the shipped template; it uses the same placeholders.</source>
        <translation>Mit --generate: füllt DATEI statt der mitgelieferten Vorlage aus; sie verwendet dieselben Platzhalter.</translation>
    </message>
    <message>
        <source>With --generate: end the NFO with the Quilra credit footer (yes) or not (no). Without it, the &quot;Allow Quilra Link&quot; setting decides.</source>
        <translation>Mit --generate: beendet die NFO mit der Quilra-Fußzeile (yes) oder nicht (no). Ohne diese Option entscheidet die Einstellung „Quilra-Link erlauben“.</translation>
    </message>
    <message>
        <source>With --generate movie: fill runtime, language, videocodec, resolution, audiocodec, audiobitrate, subtitles and files from what the video FILE tells; --field and --fields win over it. A file that tells nothing is an error.</source>
        <translation>Mit --generate movie: runtime, language, videocodec, resolution, audiocodec, audiobitrate, subtitles und files mit dem füllen, was die Videodatei FILE angibt; --field und --fields haben Vorrang. Eine Datei, die nichts angibt, ist ein Fehler.</translation>
    </message>
</context>
<context>
    <name>CheckPanel</name>
    <message>
        <source>F&amp;indings:</source>
        <translation>&amp;Befunde:</translation>
    </message>
    <message>
        <source>Fi&amp;x</source>
        <translation>Be&amp;heben</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <source>%1:%2: %3</source>
        <translation>%1:%2: %3</translation>
    </message>
    <message>
        <source>Nothing found: viewers show this text as it is meant.</source>
        <translation>Nichts gefunden: Betrachter zeigen diesen Text so, wie er gemeint ist.</translation>
    </message>
</context>
<context>
    <name>ClockStatusBar</name>
    <message>
        <source>Please visit %1</source>
        <translation>Besuchen Sie %1</translation>
    </message>
</context>
<context>
    <name>ColourPreset</name>
    <message>
        <source>Black on white</source>
        <translation>Schwarz auf Weiß</translation>
    </message>
    <message>
        <source>Light grey on black</source>
        <translation>Hellgrau auf Schwarz</translation>
    </message>
    <message>
        <source>Amber on black</source>
        <translation>Bernstein auf Schwarz</translation>
    </message>
    <message>
        <source>Green on black</source>
        <translation>Grün auf Schwarz</translation>
    </message>
    <message>
        <source>White on blue</source>
        <translation>Weiß auf Blau</translation>
    </message>
</context>
<context>
    <name>CommandLineTool</name>
    <message>
        <source>The NFO files.</source>
        <translation>Die NFO-Dateien.</translation>
    </message>
    <message>
        <source>With --export, the folder to write into, or for one FILE the file to write. With --generate, the NFO file to write; nothing is written when a field name is unknown, a value holds a character without a code in code page 437, or a file cannot be read. - is standard output.</source>
        <translation>Mit --export der Ordner, in den geschrieben wird, oder bei einer einzigen DATEI die zu schreibende Datei. Mit --generate die zu schreibende NFO-Datei; es wird nichts geschrieben, wenn ein Feldname unbekannt ist, ein Wert ein Zeichen ohne Code in Codepage 437 enthält oder eine Datei nicht gelesen werden kann. - ist die Standardausgabe.</translation>
    </message>
    <message>
        <source>Each pixel of a picture as N x N pixels, N from 1 to 4.</source>
        <translation>Jedes Pixel eines Bildes als N × N Pixel, N von 1 bis 4.</translation>
    </message>
    <message>
        <source>Cells of a picture 8 or 9 pixels wide; the ninth column repeats the eighth for the line-drawing codes C0-DF, as VGA does.</source>
        <translation>Zellen eines Bildes 8 oder 9 Pixel breit; die neunte Spalte wiederholt bei den Rahmenzeichen C0–DF die achte, wie VGA es tut.</translation>
    </message>
    <message>
        <source>Writes a PNG picture of the top of INPUT, its longer side at most SIZE pixels, black on white, to OUTPUT: quilra --thumbnail SIZE INPUT OUTPUT. Reads no settings and writes nothing else.</source>
        <translation>Schreibt ein PNG-Bild vom Anfang von EINGABE, mit der längeren Seite höchstens GRÖSSE Pixel, schwarz auf weiß, nach AUSGABE: quilra --thumbnail GRÖSSE EINGABE AUSGABE. Liest keine Einstellungen und schreibt sonst nichts.</translation>
    </message>
    <message>
        <source>--generate needs --output, the NFO file to write.</source>
        <translation>--generate braucht --output, die zu schreibende NFO-Datei.</translation>
    </message>
    <message>
        <source>--generate takes no FILE; its values come from --field and --fields.</source>
        <translation>--generate nimmt keine DATEI; seine Werte kommen aus --field und --fields.</translation>
    </message>
    <message>
        <source>say what to do with the files, such as --export png.</source>
        <translation>bitte angeben, was mit den Dateien geschehen soll, etwa --export png.</translation>
    </message>
    <message>
        <source>(quilra --help tells more)</source>
        <translation>(mehr dazu unter quilra --help)</translation>
    </message>
    <message>
        <source>standard output did not take all of the file.</source>
        <translation>die Standardausgabe hat nicht die ganze Datei aufgenommen.</translation>
    </message>
    <message>
        <source>--thumbnail takes a SIZE from 1 to %1 pixels.</source>
        <translation>--thumbnail erwartet eine GRÖSSE von 1 bis %1 Pixel.</translation>
    </message>
    <message>
        <source>--thumbnail takes SIZE INPUT OUTPUT.</source>
        <translation>--thumbnail erwartet GRÖSSE EINGABE AUSGABE.</translation>
    </message>
    <message>
        <source>--scale takes 1, 2, 3 or 4.</source>
        <translation>--scale erwartet 1, 2, 3 oder 4.</translation>
    </message>
    <message>
        <source>--columns takes 8 or 9.</source>
        <translation>--columns erwartet 8 oder 9.</translation>
    </message>
    <message>
        <source>no FILE to export.</source>
        <translation>keine DATEI zum Exportieren.</translation>
    </message>
    <message>
        <source>--output - writes one FILE to standard output, not several.</source>
        <translation>--output - schreibt eine einzige DATEI auf die Standardausgabe, nicht mehrere.</translation>
    </message>
    <message>
        <source>--output must name a folder for several files.</source>
        <translation>--output muss bei mehreren Dateien einen Ordner nennen.</translation>
    </message>
    <message>
        <source>Checks each FILE for what viewers would show wrongly: lines wider than --width, tabs and control codes, Windows-1252 punctuation in code page 437 text, mixed or missing line ends, trailing blanks, a wrong SAUCE record, web addresses that cannot be opened. One finding a line; the exit status is 0 when nothing was found, 1 when something was.</source>
        <translation>Prüft jede DATEI auf das, was Betrachter falsch zeigen würden: Zeilen breiter als --width, Tabulatoren und Steuerzeichen, Windows-1252-Satzzeichen in Codepage-437-Text, gemischte oder fehlende Zeilenenden, Leerzeichen am Zeilenende, einen falschen SAUCE-Datensatz, Webadressen, die sich nicht öffnen lassen. Ein Befund je Zeile; der Exit-Status ist 0, wenn nichts gefunden wurde, 1, wenn etwas gefunden wurde.</translation>
    </message>
    <message>
        <source>With --check, the widest line allowed, in screen columns.</source>
        <translation>Mit --check: die breiteste erlaubte Zeile, in Bildschirmspalten.</translation>
    </message>
    <message>
        <source>With --check, prints the findings as one JSON array.</source>
        <translation>Mit --check: gibt die Befunde als ein JSON-Array aus.</translation>
    </message>
    <message>
        <source>Prints the fields of FILE&apos;s SAUCE record as name=value lines.</source>
        <translation>Gibt die Felder des SAUCE-Datensatzes der DATEI als Zeilen name=wert aus.</translation>
    </message>
    <message>
        <source>--export, --generate, --thumbnail, --check and --sauce are different things; say one.</source>
        <translation>--export, --generate, --thumbnail, --check und --sauce sind verschiedene Dinge; bitte eines angeben.</translation>
    </message>
    <message>
        <source>--width and --json go with --check.</source>
        <translation>--width und --json gehören zu --check.</translation>
    </message>
    <message>
        <source>--width takes a number of columns from 1 to %1.</source>
        <translation>--width nimmt eine Spaltenzahl von 1 bis %1.</translation>
    </message>
    <message>
        <source>no FILE to check.</source>
        <translation>keine DATEI zu prüfen.</translation>
    </message>
    <message>
        <source>--sauce takes one FILE.</source>
        <translation>--sauce nimmt eine DATEI.</translation>
    </message>
    <message>
        <source>Views and creates NFO files. Without options, opens FILE in the window.
With --export, writes each FILE as a PNG picture, a PDF document, an SVG picture, a web page or UTF-8 text, without a window or a display.
With --generate, writes a movie or an application NFO filled from --field and --fields to --output.
With --thumbnail, writes a small picture of the top of INPUT to OUTPUT, as file managers show it.
With --check, lists what viewers would show wrongly in each FILE.
With --sauce, prints the SAUCE record of FILE.</source>
        <translation>Zeigt NFO-Dateien an und erstellt sie. Ohne Optionen wird DATEI im Fenster geöffnet.
Mit --export wird jede DATEI als PNG-Bild, PDF-Dokument, SVG-Bild, Webseite oder UTF-8-Text geschrieben, ohne Fenster und ohne Bildschirm.
Mit --generate wird eine Film- oder Programm-NFO, gefüllt aus --field und --fields, nach --output geschrieben.
Mit --thumbnail wird ein kleines Bild vom Anfang von EINGABE nach AUSGABE geschrieben, wie Dateimanager es zeigen.
Mit --check: listet, was Betrachter in jeder DATEI falsch zeigen würden.
Mit --sauce: gibt den SAUCE-Datensatz der DATEI aus.</translation>
    </message>
    <message>
        <source>Writes each FILE as FORMAT: png, pdf, svg, html or txt (UTF-8), beside it (art.nfo gives art.png) unless --output says otherwise.</source>
        <translation>Schreibt jede DATEI im FORMAT png, pdf, svg, html oder txt (UTF-8) daneben (aus art.nfo wird art.png), sofern --output nichts anderes angibt.</translation>
    </message>
    <message>
        <source>--export takes png, pdf, svg, html or txt.</source>
        <translation>--export erwartet png, pdf, svg, html oder txt.</translation>
    </message>
</context>
<context>
    <name>CrashRecovery</name>
    <message>
        <source>an untitled document</source>
        <translation>einem unbenannten Dokument</translation>
    </message>
    <message>
        <source>Quilra ended without saving the changes to %1. Restore them?</source>
        <translation>Quilra wurde beendet, ohne die Änderungen an %1 zu speichern. Wiederherstellen?</translation>
    </message>
</context>
<context>
    <name>DocumentEditor</name>
    <message>
        <source>Open Link</source>
        <translation>Link öffnen</translation>
    </message>
    <message>
        <source>Copy Link Address</source>
        <translation>Linkadresse kopieren</translation>
    </message>
</context>
<context>
    <name>DocumentExport</name>
    <message>
        <source>The VGA font Px IBM VGA8 (Debian package fonts-pc) was not found, so no picture was made.</source>
        <translation>Die VGA-Schrift Px IBM VGA8 (Debian-Paket fonts-pc) wurde nicht gefunden, daher wurde kein Bild erstellt.</translation>
    </message>
    <message>
        <source>The picture would be wider than %1 or taller than %2 pixels, so no picture was made.</source>
        <translation>Das Bild wäre breiter als %1 oder höher als %2 Pixel, daher wurde kein Bild erstellt.</translation>
    </message>
    <message>
        <source>The picture could not be written, so no picture was made.</source>
        <translation>Das Bild konnte nicht geschrieben werden, daher wurde kein Bild erstellt.</translation>
    </message>
    <message>
        <source>The export was cancelled, so nothing was written.</source>
        <translation>Der Export wurde abgebrochen, daher wurde nichts geschrieben.</translation>
    </message>
    <message>
        <source>The page would be wider than %1 points, the most a PDF page may be, so no PDF document was made. A smaller scale or 8-pixel cells may fit.</source>
        <translation>Die Seite wäre breiter als %1 Punkt, mehr als eine PDF-Seite sein darf, daher wurde kein PDF-Dokument erstellt. Ein kleinerer Maßstab oder 8 Pixel breite Zellen passen vielleicht.</translation>
    </message>
</context>
<context>
    <name>DocumentFiles</name>
    <message>
        <source>NFO File, %1 (*.nfo) | *.nfo</source>
        <translation>NFO-Datei, %1 (*.nfo) | *.nfo</translation>
    </message>
    <message>
        <source>Save NFO File...</source>
        <translation>NFO-Datei speichern...</translation>
    </message>
    <message>
        <source>Untitled</source>
        <translation>Unbenannt</translation>
    </message>
    <message>
        <source>Save changes to %1?</source>
        <translation>Änderungen an %1 speichern?</translation>
    </message>
    <message>
        <source>%1 is too large to open.</source>
        <translation>%1 ist zu groß zum Öffnen.</translation>
    </message>
    <message>
        <source>%1 is not a file but a folder, a device or a pipe.</source>
        <translation>%1 ist keine Datei, sondern ein Ordner, ein Gerät oder eine Pipe.</translation>
    </message>
    <message>
        <source>You may not read %1.</source>
        <translation>Sie dürfen %1 nicht lesen.</translation>
    </message>
    <message>
        <source>%1 could not be found or read.</source>
        <translation>%1 wurde nicht gefunden oder konnte nicht gelesen werden.</translation>
    </message>
    <message>
        <source>Another program changed %1 since it was opened here. Overwrite it with this document?</source>
        <translation>Ein anderes Programm hat %1 geändert, seit die Datei hier geöffnet wurde. Mit diesem Dokument überschreiben?</translation>
    </message>
    <message>
        <source>%1 is no longer where it was opened from. Save this document there anew?</source>
        <translation>%1 ist nicht mehr dort, wo die Datei geöffnet wurde. Dieses Dokument dort neu speichern?</translation>
    </message>
    <message>
        <source>%1 was saved as a file of its own; its other names keep the old text.</source>
        <translation>%1 wurde als eigene Datei gespeichert; ihre anderen Namen behalten den alten Text.</translation>
    </message>
    <message>
        <source>%1 was saved, but its owner or permissions could not be kept.</source>
        <translation>%1 wurde gespeichert, aber Eigentümer oder Rechte ließen sich nicht erhalten.</translation>
    </message>
</context>
<context>
    <name>ExportCommand</name>
    <message>
        <source>the art draws more than %1 rows; the export stops there.</source>
        <translation>das Bild hat mehr als %1 Zeilen; der Export endet dort.</translation>
    </message>
    <message>
        <source>the export would replace the file itself.</source>
        <translation>der Export würde die Datei selbst ersetzen.</translation>
    </message>
</context>
<context>
    <name>FileChangedBar</name>
    <message>
        <source>Another program changed this file.</source>
        <translation>Ein anderes Programm hat diese Datei geändert.</translation>
    </message>
    <message>
        <source>&amp;Reload</source>
        <translation>&amp;Neu laden</translation>
    </message>
    <message>
        <source>Dismiss</source>
        <translation>Ausblenden</translation>
    </message>
</context>
<context>
    <name>FileEncoding</name>
    <message>
        <source>%1, repaired twice from CP437</source>
        <translation>%1, zweifach aus CP437 repariert</translation>
    </message>
    <message>
        <source>%1, repaired from CP437</source>
        <translation>%1, aus CP437 repariert</translation>
    </message>
</context>
<context>
    <name>FindBar</name>
    <message>
        <source>Find</source>
        <translation>Suchen</translation>
    </message>
    <message>
        <source>Match case</source>
        <translation>Groß-/Kleinschreibung beachten</translation>
    </message>
    <message>
        <source>Previous</source>
        <translation>Zurück</translation>
    </message>
    <message>
        <source>Next</source>
        <translation>Weiter</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <source>Replace with</source>
        <translation>Ersetzen durch</translation>
    </message>
    <message>
        <source>Replace</source>
        <translation>Ersetzen</translation>
    </message>
    <message>
        <source>Replace All</source>
        <translation>Alle ersetzen</translation>
    </message>
    <message>
        <source>No matches</source>
        <translation>Keine Treffer</translation>
    </message>
    <message>
        <source>%1 matches</source>
        <translation>%1 Treffer</translation>
    </message>
    <message>
        <source>%1 of %2</source>
        <translation>%1 von %2</translation>
    </message>
    <message>
        <source>%1 replaced</source>
        <translation>%1 ersetzt</translation>
    </message>
</context>
<context>
    <name>Form2</name>
    <message>
        <source>Custom Character</source>
        <translation>Eigenes Zeichen</translation>
    </message>
    <message>
        <source>Please Enter The character you wish to assign to this key.</source>
        <translation>Bitte geben Sie das Zeichen ein, das Sie dieser Taste zuweisen möchten.</translation>
    </message>
    <message>
        <source>Clear Custom</source>
        <translation>Eigenes Zeichen löschen</translation>
    </message>
    <message>
        <source>Please enter the button number you wish to clear.<byte value="xd"/>
(Enter a number between 2 and 11</source>
        <translation>Bitte geben Sie die Nummer der Taste ein, die Sie leeren möchten.<byte value="xd"/>
(Eine Zahl zwischen 2 und 11 eingeben</translation>
    </message>
    <message>
        <source>Please Enter a number between 2 and 11</source>
        <translation>Bitte eine Zahl zwischen 2 und 11 eingeben</translation>
    </message>
    <message>
        <source>Custom Characters</source>
        <translation>Eigene Zeichen</translation>
    </message>
    <message>
        <source>Clear Custom Characters</source>
        <translation>Eigene Zeichen löschen</translation>
    </message>
    <message>
        <source>A custom key cannot hold a line break.</source>
        <translation>Eine eigene Taste kann keinen Zeilenumbruch enthalten.</translation>
    </message>
</context>
<context>
    <name>InputFiles</name>
    <message>
        <source>%1 is one of the files read; it is not written over.</source>
        <translation>%1 ist eine der gelesenen Dateien; sie wird nicht überschrieben.</translation>
    </message>
</context>
<context>
    <name>MDIForm1</name>
    <message>
        <source>&amp;Custom Characters</source>
        <translation>Eigene &amp;Zeichen</translation>
    </message>
    <message>
        <source>&amp;Auto Generate</source>
        <translation>A&amp;utomatisch erzeugen</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Datei</translation>
    </message>
    <message>
        <source>&amp;New</source>
        <translation>&amp;Neu</translation>
    </message>
    <message>
        <source>&amp;Load</source>
        <translation>&amp;Laden</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Speichern</translation>
    </message>
    <message>
        <source>Save &amp;As...</source>
        <translation>Speichern &amp;unter...</translation>
    </message>
    <message>
        <source>P&amp;roperties</source>
        <translation>&amp;Eigenschaften</translation>
    </message>
    <message>
        <source>No History</source>
        <translation>Kein Verlauf</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Beenden</translation>
    </message>
    <message>
        <source>&amp;Export</source>
        <translation>E&amp;xportieren</translation>
    </message>
    <message>
        <source>&amp;PNG Picture...</source>
        <translation>&amp;PNG-Bild...</translation>
    </message>
    <message>
        <source>&amp;HTML Page...</source>
        <translation>&amp;HTML-Seite...</translation>
    </message>
    <message>
        <source>&amp;UTF-8 Text...</source>
        <translation>&amp;UTF-8-Text...</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;Bearbeiten</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Rückgängig</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>Wieder&amp;holen</translation>
    </message>
    <message>
        <source>Cu&amp;t</source>
        <translation>&amp;Ausschneiden</translation>
    </message>
    <message>
        <source>Select &amp;All</source>
        <translation>Alles &amp;markieren</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>&amp;Kopieren</translation>
    </message>
    <message>
        <source>&amp;Paste</source>
        <translation>E&amp;infügen</translation>
    </message>
    <message>
        <source>&amp;Find...</source>
        <translation>&amp;Suchen...</translation>
    </message>
    <message>
        <source>R&amp;eplace...</source>
        <translation>Ers&amp;etzen...</translation>
    </message>
    <message>
        <source>Find &amp;Next</source>
        <translation>&amp;Weitersuchen</translation>
    </message>
    <message>
        <source>Find Pre&amp;vious</source>
        <translation>Rückwärts su&amp;chen</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>&amp;Ansicht</translation>
    </message>
    <message>
        <source>&amp;Encoding</source>
        <translation>&amp;Kodierung</translation>
    </message>
    <message>
        <source>&amp;Word Wrap</source>
        <translation>&amp;Zeilenumbruch</translation>
    </message>
    <message>
        <source>Zoom &amp;In</source>
        <translation>Ver&amp;größern</translation>
    </message>
    <message>
        <source>Zoom &amp;Out</source>
        <translation>Verkl&amp;einern</translation>
    </message>
    <message>
        <source>&amp;Actual Size</source>
        <translation>&amp;Originalgröße</translation>
    </message>
    <message>
        <source>&amp;Settings</source>
        <translation>&amp;Einstellungen</translation>
    </message>
    <message>
        <source>&amp;Misc Settings</source>
        <translation>&amp;Sonstige Einstellungen</translation>
    </message>
    <message>
        <source>&amp;Color Settings</source>
        <translation>&amp;Farben</translation>
    </message>
    <message>
        <source>&amp;Font Settings</source>
        <translation>&amp;Schrift</translation>
    </message>
    <message>
        <source>&amp;Program Settings</source>
        <translation>&amp;Programmeinstellungen</translation>
    </message>
    <message>
        <source>Allow Quilra &amp;Link</source>
        <translation>Quilra-&amp;Link erlauben</translation>
    </message>
    <message>
        <source>&amp;Associate Files</source>
        <translation>Dateien &amp;verknüpfen</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Hilfe</translation>
    </message>
    <message>
        <source>&amp;About this Program</source>
        <translation>&amp;Über dieses Programm</translation>
    </message>
    <message>
        <source>Online &amp;Help</source>
        <translation>&amp;Online-Hilfe</translation>
    </message>
    <message>
        <source>&amp;Donate</source>
        <translation>&amp;Spenden</translation>
    </message>
    <message>
        <source>Load NFO file</source>
        <translation>NFO-Datei laden</translation>
    </message>
    <message>
        <source>PNG Picture</source>
        <translation>PNG-Bild</translation>
    </message>
    <message>
        <source>HTML Page</source>
        <translation>HTML-Seite</translation>
    </message>
    <message>
        <source>UTF-8 Text</source>
        <translation>UTF-8-Text</translation>
    </message>
    <message>
        <source>Export %1</source>
        <translation>%1 exportieren</translation>
    </message>
    <message>
        <source>Repaired from CP437</source>
        <translation>Aus CP437 repariert</translation>
    </message>
    <message>
        <source>Show &amp;Codes</source>
        <translation>&amp;Codes anzeigen</translation>
    </message>
    <message>
        <source>i&amp;CE Colours</source>
        <translation>&amp;iCE-Farben</translation>
    </message>
    <message>
        <source>Export progress</source>
        <translation>Fortschritt des Exports</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>C&amp;heck NFO</source>
        <translation>NFO &amp;prüfen</translation>
    </message>
    <message>
        <source>Ne&amp;xt File</source>
        <translation>&amp;Nächste Datei</translation>
    </message>
    <message>
        <source>Pre&amp;vious File</source>
        <translation>&amp;Vorherige Datei</translation>
    </message>
    <message>
        <source>nfo file (*.nfo)|*.nfo|Text art (*.nfo *.diz *.asc *.ans *.txt)|*.nfo *.diz *.asc *.ans *.txt|All files (*)|*</source>
        <translation>NFO-Datei (*.nfo)|*.nfo|Textkunst (*.nfo *.diz *.asc *.ans *.txt)|*.nfo *.diz *.asc *.ans *.txt|Alle Dateien (*)|*</translation>
    </message>
    <message>
        <source>There is no next text-art file in this folder.</source>
        <translation>In diesem Ordner gibt es keine nächste Textkunst-Datei.</translation>
    </message>
    <message>
        <source>There is no previous text-art file in this folder.</source>
        <translation>In diesem Ordner gibt es keine vorherige Textkunst-Datei.</translation>
    </message>
    <message>
        <source>&amp;Print...</source>
        <translation>&amp;Drucken...</translation>
    </message>
    <message>
        <source>Print Pre&amp;view...</source>
        <translation>Druck&amp;vorschau...</translation>
    </message>
    <message>
        <source>The VGA font Px IBM VGA8 (Debian package fonts-pc) was not found, so nothing was printed.</source>
        <translation>Die VGA-Schrift Px IBM VGA8 (Debian-Paket fonts-pc) wurde nicht gefunden, daher wurde nichts gedruckt.</translation>
    </message>
    <message>
        <source>P&amp;DF Document...</source>
        <translation>P&amp;DF-Dokument...</translation>
    </message>
    <message>
        <source>&amp;SVG Picture...</source>
        <translation>&amp;SVG-Bild...</translation>
    </message>
    <message>
        <source>PDF Document</source>
        <translation>PDF-Dokument</translation>
    </message>
    <message>
        <source>SVG Picture</source>
        <translation>SVG-Bild</translation>
    </message>
    <message>
        <source>A print or an export is under way: cancel it or wait for it to end.</source>
        <translation>Ein Druck oder Export läuft: Brechen Sie ihn ab oder warten Sie, bis er fertig ist.</translation>
    </message>
    <message>
        <source>Print progress</source>
        <translation>Fortschritt des Drucks</translation>
    </message>
    <message>
        <source>The print was cancelled.</source>
        <translation>Der Druck wurde abgebrochen.</translation>
    </message>
</context>
<context>
    <name>MediaProbe</name>
    <message>
        <source>MediaInfo (libmediainfo.so.0) could not be loaded, so no video facts can be read. Install the package libmediainfo0v5.</source>
        <translation>MediaInfo (libmediainfo.so.0) konnte nicht geladen werden, daher lassen sich keine Videodaten lesen. Installieren Sie das Paket libmediainfo0v5.</translation>
    </message>
    <message>
        <source>No video facts found in %1.</source>
        <translation>In %1 wurden keine Videodaten gefunden.</translation>
    </message>
</context>
<context>
    <name>Messages</name>
    <message>
        <source>File not found.</source>
        <translation>Datei nicht gefunden.</translation>
    </message>
    <message>
        <source>File could not be saved.</source>
        <translation>Die Datei konnte nicht gespeichert werden.</translation>
    </message>
    <message>
        <source>File is too large to open.</source>
        <translation>Die Datei ist zu groß zum Öffnen.</translation>
    </message>
    <message>
        <source>Template file not found.</source>
        <translation>Vorlagendatei nicht gefunden.</translation>
    </message>
    <message>
        <source>code page 437</source>
        <translation>Codepage 437</translation>
    </message>
    <message>
        <source>&quot;%1&quot; has no code in %2 and was not inserted.</source>
        <translation>„%1“ hat keinen Code in %2 und wurde nicht eingefügt.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; has no code in code page 437, so the key was not assigned.</source>
        <translation>„%1“ hat keinen Code in Codepage 437, daher wurde die Taste nicht belegt.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; has no code in %2, so it cannot go into the NFO file. Nothing was changed.</source>
        <translation>„%1“ hat keinen Code in %2 und kann daher nicht in die NFO-Datei. Es wurde nichts geändert.</translation>
    </message>
    <message>
        <source>Nothing was changed.</source>
        <translation>Es wurde nichts geändert.</translation>
    </message>
    <message>
        <source>The field &quot;%1&quot; holds &quot;%2&quot;, which has no code in code page 437, so it cannot go into the NFO file.</source>
        <translation>Das Feld „%1“ enthält „%2“, das keinen Code in Codepage 437 hat; es kann daher nicht in die NFO-Datei.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; has no code in %2, so the file was not saved.</source>
        <translation>„%1“ hat keinen Code in %2, daher wurde die Datei nicht gespeichert.</translation>
    </message>
    <message>
        <source>The document cannot be read as %1 without losing characters.</source>
        <translation>Das Dokument kann nicht ohne Zeichenverlust als %1 gelesen werden.</translation>
    </message>
</context>
<context>
    <name>NfoChecker</name>
    <message>
        <source>byte-order mark in a code page 437 file: viewers show it as %1 at the top</source>
        <translation>Byte-Order-Mark in einer Codepage-437-Datei: Betrachter zeigen sie oben als %1</translation>
    </message>
    <message>
        <source>line is %1 columns wide, more than %2: a viewer %2 columns wide wraps or cuts it</source>
        <translation>Zeile ist %1 Spalten breit, mehr als %2: ein Betrachter mit %2 Spalten bricht sie um oder schneidet sie ab</translation>
    </message>
    <message>
        <source>trailing blanks: invisible, yet copied with the line and counted in its width</source>
        <translation>Leerzeichen am Zeilenende: unsichtbar, aber mit der Zeile kopiert und in ihrer Breite gezählt</translation>
    </message>
    <message>
        <source>tab: viewers expand it to different widths, so what follows shifts</source>
        <translation>Tabulator: Betrachter erweitern ihn verschieden breit, so verschiebt sich, was folgt</translation>
    </message>
    <message>
        <source>NUL: many viewers end the text here or leave out the rest of the line</source>
        <translation>NUL: viele Betrachter beenden den Text hier oder lassen den Rest der Zeile aus</translation>
    </message>
    <message>
        <source>Ctrl-Z inside the text: DOS viewers stop reading here and hide the rest</source>
        <translation>Strg-Z im Text: DOS-Betrachter hören hier auf zu lesen und verbergen den Rest</translation>
    </message>
    <message>
        <source>replacement character: a program that could not read the text put it where a character was lost</source>
        <translation>Ersatzzeichen: ein Programm, das den Text nicht lesen konnte, hat es an die Stelle eines verlorenen Zeichens gesetzt</translation>
    </message>
    <message>
        <source>%1 on %2 lines: viewers show extra blank lines or run lines together</source>
        <translation>%1 in %2 Zeilen: Betrachter zeigen zusätzliche Leerzeilen oder ziehen Zeilen zusammen</translation>
    </message>
    <message>
        <source>line end %1 here, %2</source>
        <translation>Zeilenende %1 hier, %2</translation>
    </message>
    <message>
        <source>line ends %1 here and on %2 more lines, %3</source>
        <translation>Zeilenenden %1 hier und in %2 weiteren Zeilen, %3</translation>
    </message>
    <message>
        <source>no line end after the last line: programs that add to the file or count its lines join it to the next text or leave it out</source>
        <translation>kein Zeilenende nach der letzten Zeile: Programme, die an die Datei anfügen oder ihre Zeilen zählen, hängen sie an den nächsten Text oder lassen sie aus</translation>
    </message>
    <message>
        <source>damaged SAUCE record: viewers show its bytes as text at the end, or read wrong fields from it</source>
        <translation>beschädigter SAUCE-Datensatz: Betrachter zeigen seine Bytes am Ende als Text oder lesen falsche Felder daraus</translation>
    </message>
    <message>
        <source>the SAUCE record gives the text as %1 bytes, but it has %2: viewers that go by the record cut the text short or show the record as text</source>
        <translation>der SAUCE-Datensatz gibt den Text mit %1 Bytes an, er hat aber %2: Betrachter, die sich nach dem Datensatz richten, kürzen den Text oder zeigen den Datensatz als Text</translation>
    </message>
    <message>
        <source>address %1 cannot be opened as written: %2</source>
        <translation>die Adresse %1 lässt sich so nicht öffnen: %2</translation>
    </message>
    <message>
        <source>Windows-1252 punctuation in a code page 437 file: viewers show the letter %1 where %2 was meant</source>
        <translation>Windows-1252-Satzzeichen in einer Codepage-437-Datei: Betrachter zeigen den Buchstaben %1, wo %2 gemeint war</translation>
    </message>
    <message>
        <source>Make every line end alike</source>
        <translation>Alle Zeilenenden angleichen</translation>
    </message>
    <message>
        <source>Replace Windows-1252 punctuation with ASCII</source>
        <translation>Windows-1252-Satzzeichen durch ASCII ersetzen</translation>
    </message>
    <message>
        <source>Add a line end at the end</source>
        <translation>Zeilenende am Schluss anfügen</translation>
    </message>
    <message>
        <source>Remove trailing blanks</source>
        <translation>Leerzeichen am Zeilenende entfernen</translation>
    </message>
    <message>
        <source>Correct the SAUCE file size</source>
        <translation>SAUCE-Dateigröße berichtigen</translation>
    </message>
</context>
<context>
    <name>NfoDocument</name>
    <message>
        <source>ANSI art is shown as it is drawn and cannot be edited; View &gt; Show Codes edits its codes.</source>
        <translation>ANSI-Art wird so gezeigt, wie sie gezeichnet ist, und lässt sich nicht bearbeiten; Ansicht &gt; Codes anzeigen bearbeitet ihre Codes.</translation>
    </message>
</context>
<context>
    <name>PrintPainter</name>
    <message>
        <source>The printer could not be started, so nothing was printed.</source>
        <translation>Der Drucker konnte nicht gestartet werden, daher wurde nichts gedruckt.</translation>
    </message>
    <message>
        <source>The printer stopped before the last page.</source>
        <translation>Der Drucker hat vor der letzten Seite aufgehört.</translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <source>&amp;Overwrite</source>
        <translation>Ü&amp;berschreiben</translation>
    </message>
    <message>
        <source>Save &amp;As...</source>
        <translation>Speichern &amp;unter...</translation>
    </message>
    <message>
        <source>&amp;Restore</source>
        <translation>&amp;Wiederherstellen</translation>
    </message>
    <message>
        <source>&amp;Discard</source>
        <translation>&amp;Verwerfen</translation>
    </message>
    <message>
        <source>&amp;Black on white</source>
        <translation>&amp;Schwarz auf Weiß</translation>
    </message>
    <message>
        <source>Prints the characters in black on white paper instead of in the document&apos;s colours.</source>
        <translation>Druckt die Zeichen schwarz auf weißem Papier statt in den Farben des Dokuments.</translation>
    </message>
    <message>
        <source>Colours</source>
        <translation>Farben</translation>
    </message>
</context>
<context>
    <name>SauceCommand</name>
    <message>
        <source>the file has no SAUCE record.</source>
        <translation>die Datei hat keinen SAUCE-Datensatz.</translation>
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
        <translation>Datensatz &amp;entfernen</translation>
    </message>
    <message>
        <source>Properties</source>
        <translation>Eigenschaften</translation>
    </message>
    <message>
        <source>not given</source>
        <translation>nicht angegeben</translation>
    </message>
    <message>
        <source>&amp;Title:</source>
        <translation>&amp;Titel:</translation>
    </message>
    <message>
        <source>&amp;Author:</source>
        <translation>&amp;Autor:</translation>
    </message>
    <message>
        <source>&amp;Group:</source>
        <translation>&amp;Gruppe:</translation>
    </message>
    <message>
        <source>&amp;Date (CCYYMMDD):</source>
        <translation>&amp;Datum (JJJJMMTT):</translation>
    </message>
    <message>
        <source>&amp;Width in characters:</source>
        <translation>&amp;Breite in Zeichen:</translation>
    </message>
    <message>
        <source>&amp;Font:</source>
        <translation>&amp;Schrift:</translation>
    </message>
    <message>
        <source>&amp;Comments, one a line:</source>
        <translation>&amp;Kommentare, einer je Zeile:</translation>
    </message>
    <message>
        <source>The date needs eight digits: year, month and day, such as 20261207.</source>
        <translation>Das Datum braucht acht Ziffern: Jahr, Monat und Tag, etwa 20261207.</translation>
    </message>
    <message>
        <source>A SAUCE record holds at most %1 comment lines.</source>
        <translation>Ein SAUCE-Datensatz fasst höchstens %1 Kommentarzeilen.</translation>
    </message>
    <message>
        <source>A comment line holds at most %1 characters.</source>
        <translation>Eine Kommentarzeile fasst höchstens %1 Zeichen.</translation>
    </message>
    <message>
        <source>Code page 437 has no &quot;%1&quot;: a SAUCE record cannot hold it.</source>
        <translation>Codepage 437 hat kein „%1“: ein SAUCE-Datensatz kann es nicht aufnehmen.</translation>
    </message>
    <message>
        <source>The record is damaged: these are the fields it still holds.</source>
        <translation>Der Eintrag ist beschädigt: Dies sind die Felder, die er noch enthält.</translation>
    </message>
</context>
<context>
    <name>SettingsWriteNotice</name>
    <message>
        <source>The settings file %1 is larger than 1 MB, more than Quilra ever writes. It is only read in this run, and no setting is saved in it.</source>
        <translation>Die Einstellungsdatei %1 ist größer als 1 MB, größer als Quilra sie je schreibt. Sie wird in dieser Sitzung nur gelesen, und keine Einstellung wird darin gespeichert.</translation>
    </message>
    <message>
        <source>The settings could not be saved in %1. They stay as they were stored.</source>
        <translation>Die Einstellungen konnten nicht in %1 gespeichert werden. Es gelten weiter die gespeicherten.</translation>
    </message>
</context>
<context>
    <name>Thumbnail</name>
    <message>
        <source>The file cannot be read.</source>
        <translation>Die Datei kann nicht gelesen werden.</translation>
    </message>
    <message>
        <source>The file holds no text to draw.</source>
        <translation>Die Datei enthält keinen Text zum Zeichnen.</translation>
    </message>
    <message>
        <source>The VGA font Px IBM VGA8 (Debian package fonts-pc) was not found.</source>
        <translation>Die VGA-Schrift Px IBM VGA8 (Debian-Paket fonts-pc) wurde nicht gefunden.</translation>
    </message>
    <message>
        <source>The picture could not be made.</source>
        <translation>Das Bild konnte nicht erstellt werden.</translation>
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
        <translation>Die Codes zeichnen keine ANSI-Art mehr und bleiben deshalb angezeigt.</translation>
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
        <translation>%1 ist ein symbolischer Link; durch ihn wird nichts geschrieben.</translation>
    </message>
    <message>
        <source>%1 is a device, a pipe or a socket, not a file; nothing is written to it.</source>
        <translation>%1 ist ein Gerät, eine Pipe oder ein Socket, keine Datei; dorthin wird nichts geschrieben.</translation>
    </message>
    <message>
        <source>%1 is a folder.</source>
        <translation>%1 ist ein Ordner.</translation>
    </message>
</context>
<context>
    <name>frmabout</name>
    <message>
        <source>Quilra is a small application that will allow you to create as well as view NFO files.  I have seen many NFO viewers and many NFO creators but I have never seen one that will do both.  If you have any questions or any comments you would like to share please visit the Quilra website.</source>
        <translation>Quilra ist ein kleines Programm, mit dem Sie NFO-Dateien sowohl erstellen als auch ansehen können.  Ich habe viele NFO-Betrachter und viele NFO-Editoren gesehen, aber noch nie eines, das beides kann.  Wenn Sie Fragen haben oder uns etwas mitteilen möchten, besuchen Sie bitte die Quilra-Website.</translation>
    </message>
    <message>
        <source>About %1</source>
        <translation>Über %1</translation>
    </message>
    <message>
        <source>Times Opened</source>
        <translation>Mal geöffnet</translation>
    </message>
</context>
<context>
    <name>frmcolor</name>
    <message>
        <source>Color Picker</source>
        <translation>Farbauswahl</translation>
    </message>
    <message>
        <source>Text Color</source>
        <translation>Textfarbe</translation>
    </message>
    <message>
        <source>Background Color</source>
        <translation>Hintergrundfarbe</translation>
    </message>
    <message>
        <source>Apply</source>
        <translation>Anwenden</translation>
    </message>
    <message>
        <source>Pre&amp;set:</source>
        <translation>&amp;Vorlage:</translation>
    </message>
    <message>
        <source>Own colours</source>
        <translation>Eigene Farben</translation>
    </message>
</context>
<context>
    <name>frmfont</name>
    <message>
        <source>Font Chooser</source>
        <translation>Schriftauswahl</translation>
    </message>
    <message>
        <source>Font:</source>
        <translation>Schrift:</translation>
    </message>
    <message>
        <source>Font Size:</source>
        <translation>Größe:</translation>
    </message>
    <message>
        <source>Font</source>
        <translation>Schrift</translation>
    </message>
    <message>
        <source>Apply</source>
        <translation>Anwenden</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Please choose a font size.</source>
        <translation>Bitte wählen Sie eine Schriftgröße.</translation>
    </message>
</context>
<context>
    <name>frmmovie</name>
    <message>
        <source>Template…</source>
        <translation>Vorlage…</translation>
    </message>
    <message>
        <source>Auto Generator</source>
        <translation>Automatisch erzeugen</translation>
    </message>
    <message>
        <source>Movie Template</source>
        <translation>Filmvorlage</translation>
    </message>
    <message>
        <source>Application Template</source>
        <translation>Programmvorlage</translation>
    </message>
    <message>
        <source>Upper:</source>
        <translation>Uploader:</translation>
    </message>
    <message>
        <source>Release Date:</source>
        <translation>Erschienen:</translation>
    </message>
    <message>
        <source>Theater Date:</source>
        <translation>Kinostart:</translation>
    </message>
    <message>
        <source>Dvd Release:</source>
        <translation>DVD-Start:</translation>
    </message>
    <message>
        <source>Runtime:</source>
        <translation>Laufzeit:</translation>
    </message>
    <message>
        <source>Language:</source>
        <translation>Sprache:</translation>
    </message>
    <message>
        <source>IMDB Link:</source>
        <translation>IMDb-Link:</translation>
    </message>
    <message>
        <source>IMDB Rating:</source>
        <translation>IMDb-Note:</translation>
    </message>
    <message>
        <source>Video Codec:</source>
        <translation>Videocodec:</translation>
    </message>
    <message>
        <source>Resolution:</source>
        <translation>Auflösung:</translation>
    </message>
    <message>
        <source>Audio Codec:</source>
        <translation>Audiocodec:</translation>
    </message>
    <message>
        <source>Audio Bitrate:</source>
        <translation>Audiobitrate:</translation>
    </message>
    <message>
        <source>Subtitles:</source>
        <translation>Untertitel:</translation>
    </message>
    <message>
        <source>Size:</source>
        <translation>Größe:</translation>
    </message>
    <message>
        <source>Movie Title:</source>
        <translation>Filmtitel:</translation>
    </message>
    <message>
        <source>Summary:</source>
        <translation>Inhalt:</translation>
    </message>
    <message>
        <source>KB</source>
        <translation>KB</translation>
    </message>
    <message>
        <source>Get</source>
        <translation>Holen</translation>
    </message>
    <message>
        <source>Create</source>
        <translation>Erstellen</translation>
    </message>
    <message>
        <source>Application Title:</source>
        <translation>Programmtitel:</translation>
    </message>
    <message>
        <source>Cracker:</source>
        <translation>Cracker:</translation>
    </message>
    <message>
        <source>Serial Number:</source>
        <translation>Seriennummer:</translation>
    </message>
    <message>
        <source>OS Type:</source>
        <translation>Betriebssystem:</translation>
    </message>
    <message>
        <source>Program Type:</source>
        <translation>Programmart:</translation>
    </message>
    <message>
        <source>Installation Instructions:</source>
        <translation>Installationsanleitung:</translation>
    </message>
    <message>
        <source>Preview</source>
        <translation>Vorschau</translation>
    </message>
    <message>
        <source>Get File Size</source>
        <translation>Dateigröße ermitteln</translation>
    </message>
    <message>
        <source>all files *|*</source>
        <translation>alle Dateien *|*</translation>
    </message>
    <message>
        <source>Choose a Template</source>
        <translation>Vorlage auswählen</translation>
    </message>
    <message>
        <source>nfo file (*.nfo)|*.nfo|all files *|*</source>
        <translation>NFO-Datei (*.nfo)|*.nfo|alle Dateien *|*</translation>
    </message>
    <message>
        <source>From Video…</source>
        <translation>Aus Video…</translation>
    </message>
    <message>
        <source>Fill the empty fields from a video file: runtime, codecs, resolution, languages, subtitles and size.</source>
        <translation>Die leeren Felder aus einer Videodatei füllen: Laufzeit, Codecs, Auflösung, Sprachen, Untertitel und Größe.</translation>
    </message>
    <message>
        <source>Fill From a Video</source>
        <translation>Aus einem Video füllen</translation>
    </message>
    <message>
        <source>video files</source>
        <translation>Videodateien</translation>
    </message>
    <message>
        <source>all files *</source>
        <translation>alle Dateien *</translation>
    </message>
    <message>
        <source>Nothing filled from %1.</source>
        <translation>Aus %1 wurde nichts gefüllt.</translation>
    </message>
    <message>
        <source>Filled from %1: %2.</source>
        <translation>Aus %1 gefüllt: %2.</translation>
    </message>
    <message>
        <source>Kept as typed: %1.</source>
        <translation>Wie eingegeben belassen: %1.</translation>
    </message>
</context>
<context>
    <name>frmpilvo</name>
    <message>
        <source>I Love Pilvo</source>
        <translation>Ich liebe Pilvo</translation>
    </message>
    <message>
        <source>PILVO</source>
        <translation>PILVO</translation>
    </message>
    <message>
        <source>LOVE</source>
        <translation>LIEBE</translation>
    </message>
    <message>
        <source>I</source>
        <translation>ICH</translation>
    </message>
</context>
</TS>
