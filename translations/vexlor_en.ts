<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_US" sourcelanguage="de_DE">
<context>
    <name>About</name>
    <message>
        <source>Info</source>
        <translation>About</translation>
    </message>
    <message>
        <source>Dient der Veranschaulichung einer eindimensionalen </source>
        <translation>Illustrates a one-dimensional </translation>
    </message>
    <message>
        <source>Multiskalenanalyse mit BLaC-Wavelets.</source>
        <translation>multiscale analysis with BLaC wavelets.</translation>
    </message>
    <message>
        <source>Geschrieben vom Vexlor-Team für Lehre und Studium.</source>
        <translation>Written by the Vexlor team for teaching and learning.</translation>
    </message>
</context>
<context>
    <name>Bilddatei</name>
    <message>
        <source>Bild nicht gespeichert!</source>
        <translation>Picture not saved!</translation>
    </message>
    <message>
        <source>Konnte Bild nicht speichern!</source>
        <translation>Could not save the picture!</translation>
    </message>
    <message>
        <source>Konnte Bild nicht speichern: %1</source>
        <translation>Could not save the picture: %1</translation>
    </message>
    <message>
        <source>Konnte Bild nicht speichern: %1: %2</source>
        <translation>Could not save the picture: %1: %2</translation>
    </message>
    <message>
        <source>Bild gespeichert!</source>
        <translation>Picture saved!</translation>
    </message>
    <message>
        <source>Bild gespeichert: %1</source>
        <translation>Picture saved: %1</translation>
    </message>
    <message>
        <source>PNG-Bild</source>
        <translation>PNG image</translation>
    </message>
    <message>
        <source>SVG-Grafik</source>
        <translation>SVG drawing</translation>
    </message>
    <message>
        <source>PDF-Dokument</source>
        <translation>PDF document</translation>
    </message>
</context>
<context>
    <name>DeltaPlot</name>
    <message>
        <source>Delta %1: %2
Klick: dieses Delta übernehmen</source>
        <translation>Delta %1: %2
Click: use this Delta</translation>
    </message>
    <message>
        <source>Delta %1: —</source>
        <translation>Delta %1: —</translation>
    </message>
    <message>
        <source>Delta %1: …</source>
        <translation>Delta %1: …</translation>
    </message>
</context>
<context>
    <name>Fortschritt</name>
    <message>
        <source>Fortschritt</source>
        <translation>Progress</translation>
    </message>
    <message>
        <source>Berechne Level %1 von %2</source>
        <translation>Computing level %1 of %2</translation>
    </message>
    <message>
        <source>Matrix P</source>
        <translation>Matrix P</translation>
    </message>
    <message>
        <source>Matrix P...Q...</source>
        <translation>Matrix P...Q...</translation>
    </message>
</context>
<context>
    <name>Haupt</name>
    <message>
        <source>Multiskalenanalyse</source>
        <translation>Multiscale analysis</translation>
    </message>
    <message>
        <source>Go!</source>
        <translation>Go!</translation>
    </message>
    <message>
        <source>Multiscale Dat (*.mdt);;Alle Dateien (*)</source>
        <translation>Multiscale data (*.mdt);;All files (*)</translation>
    </message>
    <message>
        <source>aktuelles Delta:</source>
        <translation>current Delta:</translation>
    </message>
    <message>
        <source>Delta: 0.5</source>
        <translation>Delta: 0.5</translation>
    </message>
    <message>
        <source>Level: 6</source>
        <translation>Level: 6</translation>
    </message>
    <message>
        <source>Multiscale-Dat (*.mdt);;Alle Dateien (*)</source>
        <translation>Multiscale data (*.mdt);;All files (*)</translation>
    </message>
    <message>
        <source>Zoom Wavelet</source>
        <translation>Zoom wavelet</translation>
    </message>
    <message>
        <source>Zoom Skal-funktion</source>
        <translation>Zoom scaling fn.</translation>
    </message>
    <message>
        <source>Öffnen</source>
        <translation>Open</translation>
    </message>
    <message>
        <source>Sichern</source>
        <translation>Save</translation>
    </message>
    <message>
        <source>Beenden</source>
        <translation>Quit</translation>
    </message>
    <message>
        <source>Aktuelles Delta: %1</source>
        <translation>Current Delta: %1</translation>
    </message>
    <message>
        <source>Delta: %1</source>
        <translation>Delta: %1</translation>
    </message>
    <message>
        <source>Level: %1</source>
        <translation>Level: %1</translation>
    </message>
</context>
<context>
    <name>Hilfe</name>
    <message>
        <source>Hilfe</source>
        <translation>Help</translation>
    </message>
</context>
<context>
    <name>KoeffFile</name>
    <message>
        <source> Datei geöffnet!</source>
        <translation> File opened!</translation>
    </message>
    <message>
        <source> Datei geöffnet! (%1 von %2 Werten)</source>
        <translation> File opened! (%1 of %2 values)</translation>
    </message>
    <message>
        <source>Referenz aus der Datei</source>
        <translation>reference taken from the file</translation>
    </message>
    <message>
        <source>keine Referenz: die Datei nennt das Dateisignal „%1“ ohne seine Abtastwerte; Fehlerfenster und Kennzahlen bleiben leer</source>
        <translation>no reference: the file names the signal file “%1” without its samples; the error window and the measures stay empty</translation>
    </message>
    <message>
        <source>Referenz: das aktuelle Signal „%1“, neu abgetastet auf Stufe %2</source>
        <translation>reference: the current signal “%1”, sampled anew at level %2</translation>
    </message>
    <message>
        <source>Referenz: das Signal „%1“, neu abgetastet auf Stufe %2</source>
        <translation>reference: the signal “%1”, sampled anew at level %2</translation>
    </message>
    <message>
        <source>Keine Datei geladen...</source>
        <translation>No file loaded...</translation>
    </message>
    <message>
        <source>Konnte Datei nicht öffnen!</source>
        <translation>Could not open the file!</translation>
    </message>
    <message>
        <source>Ungültige Datei: größer als 1 MiB</source>
        <translation>Invalid file: larger than 1 MiB</translation>
    </message>
    <message>
        <source>Ungültige Datei: zu wenig Speicher</source>
        <translation>Invalid file: not enough memory</translation>
    </message>
    <message>
        <source>Ungültige Datei: %1</source>
        <translation>Invalid file: %1</translation>
    </message>
    <message>
        <source>Datei nicht gesichert!</source>
        <translation>File not saved!</translation>
    </message>
    <message>
        <source>Konnte Datei nicht sichern: ein Koeffizient ist keine endliche Zahl</source>
        <translation>Could not save the file: a coefficient is not a finite number</translation>
    </message>
    <message>
        <source>Konnte Datei nicht sichern: %1</source>
        <translation>Could not save the file: %1</translation>
    </message>
    <message>
        <source>Datei gespeichert!</source>
        <translation>File saved!</translation>
    </message>
    <message>
        <source>Referenz aus der Datei, mit ihrem Rauschen</source>
        <translation>reference taken from the file, with its noise</translation>
    </message>
</context>
<context>
    <name>Koeffizienten</name>
    <message>
        <source>G %1</source>
        <translation>S %1</translation>
    </message>
    <message>
        <source>Koeffizienten</source>
        <translation>Coefficients</translation>
    </message>
</context>
<context>
    <name>Meldung</name>
    <message>
        <source>ungültige Angabe „%1“</source>
        <translation>invalid entry “%1”</translation>
    </message>
    <message>
        <source>mehr als 4097 Referenzwerte</source>
        <translation>more than 4097 reference values</translation>
    </message>
    <message>
        <source>Zeitachse ungültig</source>
        <translation>invalid time axis</translation>
    </message>
    <message>
        <source>%1 statt %2 Referenzwerte</source>
        <translation>%1 reference values instead of %2</translation>
    </message>
    <message>
        <source>Delta zu klein zum Rechnen (zwischen 0 und 1e-300)</source>
        <translation>Delta too small to compute with (between 0 and 1e-300)</translation>
    </message>
    <message>
        <source>kein Zahlwert „%1“ an Stelle %2</source>
        <translation>not a number: “%1” at position %2</translation>
    </message>
    <message>
        <source>MaxLevel fehlt</source>
        <translation>MaxLevel is missing</translation>
    </message>
    <message>
        <source>Level fehlt</source>
        <translation>Level is missing</translation>
    </message>
    <message>
        <source>MaxLevel nicht zwischen 2 und 12</source>
        <translation>MaxLevel not between 2 and 12</translation>
    </message>
    <message>
        <source>Level nicht zwischen 2 und MaxLevel</source>
        <translation>Level not between 2 and MaxLevel</translation>
    </message>
    <message>
        <source>mehr als 4097 Werte</source>
        <translation>more than 4097 values</translation>
    </message>
    <message>
        <source>Wert zu groß für eine Zahl</source>
        <translation>value too large for a number</translation>
    </message>
    <message>
        <source>zu wenig Speicher</source>
        <translation>not enough memory</translation>
    </message>
    <message>
        <source>das Ziel ist keine gewöhnliche Datei</source>
        <translation>the target is not a regular file</translation>
    </message>
    <message>
        <source>kein Schreibrecht im Ordner (die Datei wird über eine Kopie im selben Ordner ersetzt)</source>
        <translation>no permission to write in the folder (the file is replaced through a copy in the same folder)</translation>
    </message>
    <message>
        <source>keine Erlaubnis, die Datei in ihrem Ordner zu ersetzen</source>
        <translation>no permission to replace the file in its folder</translation>
    </message>
    <message>
        <source>dieselbe Datei wird gerade von einem anderen Programm gesichert</source>
        <translation>another program is saving the same file right now</translation>
    </message>
    <message>
        <source>der Ordner existiert nicht</source>
        <translation>the folder does not exist</translation>
    </message>
    <message>
        <source>ein Teil des Pfades ist kein Ordner</source>
        <translation>part of the path is not a folder</translation>
    </message>
    <message>
        <source>der Datenträger ist schreibgeschützt</source>
        <translation>the disk is read-only</translation>
    </message>
    <message>
        <source>der Datenträger ist voll</source>
        <translation>the disk is full</translation>
    </message>
    <message>
        <source>der Speicherplatz des Benutzers ist erschöpft</source>
        <translation>the user&apos;s disk quota is used up</translation>
    </message>
    <message>
        <source>die Datei wäre zu groß</source>
        <translation>the file would be too large</translation>
    </message>
    <message>
        <source>der Name ist zu lang</source>
        <translation>the name is too long</translation>
    </message>
    <message>
        <source>Ein-/Ausgabefehler des Datenträgers</source>
        <translation>input/output error of the disk</translation>
    </message>
    <message>
        <source>Fehler %1 beim Prüfen des Ziels</source>
        <translation>error %1 while checking the target</translation>
    </message>
    <message>
        <source>Fehler %1 beim Anlegen der Kopie</source>
        <translation>error %1 while creating the copy</translation>
    </message>
    <message>
        <source>Fehler %1 beim Schreiben</source>
        <translation>error %1 while writing</translation>
    </message>
    <message>
        <source>Fehler %1 beim Übertragen auf den Datenträger</source>
        <translation>error %1 while flushing to the disk</translation>
    </message>
    <message>
        <source>Fehler %1 beim Schließen</source>
        <translation>error %1 while closing</translation>
    </message>
    <message>
        <source>Fehler %1 beim Ersetzen der Datei</source>
        <translation>error %1 while replacing the file</translation>
    </message>
    <message>
        <source>UTF-16: bitte als UTF-8 speichern</source>
        <translation>UTF-16: please save it as UTF-8</translation>
    </message>
    <message>
        <source>keine Textdatei</source>
        <translation>not a text file</translation>
    </message>
    <message>
        <source>leeres Feld in Zeile %1</source>
        <translation>empty field in line %1</translation>
    </message>
    <message>
        <source>kein Zahlwert „%1“ in Zeile %2</source>
        <translation>not a number: “%1” in line %2</translation>
    </message>
    <message>
        <source>kein endlicher Zahlwert in Zeile %1</source>
        <translation>not a finite number in line %1</translation>
    </message>
    <message>
        <source>mehr als %1 Werte</source>
        <translation>more than %1 values</translation>
    </message>
    <message>
        <source>zwei Spalten, aber die erste steigt nicht (Zeile %1): keine Zeitspalte</source>
        <translation>two columns, but the first does not rise (line %1): no time column</translation>
    </message>
    <message>
        <source>%1 Spalten: erwartet wird eine Spalte, Zeit und Wert oder eine Folge</source>
        <translation>%1 columns: expected one column, time and value, or a sequence</translation>
    </message>
    <message>
        <source>weniger als 4 Werte</source>
        <translation>fewer than 4 values</translation>
    </message>
    <message>
        <source>1 Spalte</source>
        <translation>1 column</translation>
    </message>
    <message>
        <source>2 Spalten (%1; %2)</source>
        <translation>2 columns (%1; %2)</translation>
    </message>
    <message>
        <source>2 Spalten (Zeit; Wert)</source>
        <translation>2 columns (time; value)</translation>
    </message>
    <message>
        <source>Folge in einer Zeile</source>
        <translation>sequence on one line</translation>
    </message>
    <message>
        <source>Folge, %1 Werte je Zeile</source>
        <translation>sequence, %1 values per line</translation>
    </message>
    <message>
        <source>Folge über %1 Zeilen</source>
        <translation>sequence over %1 lines</translation>
    </message>
    <message>
        <source>Dezimalkomma</source>
        <translation>decimal comma</translation>
    </message>
    <message>
        <source>mit Kopfzeile</source>
        <translation>with header</translation>
    </message>
    <message>
        <source>UTF-16</source>
        <translation>UTF-16</translation>
    </message>
    <message>
        <source>Zeiten ungleichmäßig: ohne Zeitachse</source>
        <translation>uneven times: no time axis</translation>
    </message>
    <message>
        <source>zu wenig Speicher für die Werte</source>
        <translation>not enough memory for the values</translation>
    </message>
    <message>
        <source>%1 Werte; der letzte Wert für Stelle %2 wiederholt (%3)</source>
        <translation>%1 values; the last one repeated for position %2 (%3)</translation>
    </message>
    <message>
        <source>%1 Werte, linear auf %2 interpoliert (%3)</source>
        <translation>%1 values, linearly interpolated to %2 (%3)</translation>
    </message>
    <message>
        <source>%1 Werte (%2)</source>
        <translation>%1 values (%2)</translation>
    </message>
    <message>
        <source>mehr als 4097 genaue Werte</source>
        <translation>more than 4097 exact values</translation>
    </message>
    <message>
        <source>CSV, deutsch: Semikolon und Dezimalkomma (*.csv);;CSV, international: Komma und Punkt (*.csv)</source>
        <translation>CSV, German: semicolon and decimal comma (*.csv);;CSV, international: comma and point (*.csv)</translation>
    </message>
    <message>
        <source>der Ordner existiert nicht oder nimmt keine Dateien an</source>
        <translation>the folder does not exist or takes no files</translation>
    </message>
    <message>
        <source>Zeile %1 hat %2 Wert statt %3 (ein leeres Feld?)</source>
        <translation>line %1 has %2 value instead of %3 (an empty field?)</translation>
    </message>
    <message>
        <source>Zeile %1 hat %2 Werte statt %3 (ein leeres Feld?)</source>
        <translation>line %1 has %2 values instead of %3 (an empty field?)</translation>
    </message>
</context>
<context>
    <name>Menus</name>
    <message>
        <source>Werkzeuge</source>
        <translation>Tools</translation>
    </message>
    <message>
        <source>Koeffizienten</source>
        <translation>Coefficients</translation>
    </message>
    <message>
        <source>Fenster</source>
        <translation>Windows</translation>
    </message>
    <message>
        <source>Alle Fenster speichern…</source>
        <translation>Save all windows…</translation>
    </message>
    <message>
        <source>Hilfe (F1)</source>
        <translation>Help (F1)</translation>
    </message>
    <message>
        <source>Sprache</source>
        <translation>Language</translation>
    </message>
    <message>
        <source>Bild speichern…</source>
        <translation>Save picture…</translation>
    </message>
    <message>
        <source>Fenster anordnen</source>
        <translation>Arrange windows</translation>
    </message>
    <message>
        <source>Sprache: Deutsch</source>
        <translation>Language: English</translation>
    </message>
    <message>
        <source>Sprache: Deutsch, ab dem nächsten Start von Vexlor</source>
        <translation>Language: English, from the next start of Vexlor</translation>
    </message>
    <message>
        <source>Als CSV speichern…</source>
        <translation>Save as CSV…</translation>
    </message>
</context>
<context>
    <name>Plotfenster</name>
    <message>
        <source>Skalierungsfunktion</source>
        <translation>Scaling function</translation>
    </message>
    <message>
        <source>Approximierte  Sk.-Fkt.</source>
        <translation>Approximated scaling fn.</translation>
    </message>
    <message>
        <source>Wavelet</source>
        <translation>Wavelet</translation>
    </message>
    <message>
        <source>Die Glätteanteile der Funktion</source>
        <translation>The smooth parts of the function</translation>
    </message>
    <message>
        <source>Die Details der Funktion</source>
        <translation>The details of the function</translation>
    </message>
    <message>
        <source>Die approximierte Funktion</source>
        <translation>The approximated function</translation>
    </message>
    <message>
        <source>Fehler zwischen Funktion und Approximation</source>
        <translation>Error between function and approximation</translation>
    </message>
</context>
<context>
    <name>QFileDialog</name>
    <message>
        <source>%1 already exists.
Do you want to replace it?</source>
        <translation>%1 already exists.
Do you want to replace it?</translation>
    </message>
</context>
<context>
    <name>Signal</name>
    <message>
        <source>Sinus (Original)</source>
        <translation>Sine (original)</translation>
    </message>
    <message>
        <source>Stufe</source>
        <translation>Step</translation>
    </message>
    <message>
        <source>Knick</source>
        <translation>Kink</translation>
    </message>
    <message>
        <source>Rechteck</source>
        <translation>Square wave</translation>
    </message>
    <message>
        <source>Sinus mit Rauschen</source>
        <translation>Noisy sine</translation>
    </message>
</context>
<context>
    <name>Tabellendatei</name>
    <message>
        <source>Tabelle nicht gespeichert!</source>
        <translation>Table not saved!</translation>
    </message>
    <message>
        <source>Konnte Tabelle nicht speichern!</source>
        <translation>Could not save the table!</translation>
    </message>
    <message>
        <source>Konnte Tabelle nicht speichern: %1: %2</source>
        <translation>Could not save the table: %1: %2</translation>
    </message>
    <message>
        <source>Tabelle gespeichert!</source>
        <translation>Table saved!</translation>
    </message>
    <message>
        <source>Tabelle gespeichert: %1</source>
        <translation>Table saved: %1</translation>
    </message>
    <message>
        <source>Kein Delta-Vergleich: ohne Abtastwerte gibt es nichts zu vergleichen</source>
        <translation>No Delta comparison: without samples there is nothing to compare</translation>
    </message>
</context>
<context>
    <name>Werkzeuge</name>
    <message>
        <source>Ungültiges Signal: %1</source>
        <translation>Invalid signal: %1</translation>
    </message>
    <message>
        <source>Nicht abgetastet: die Datei nennt das Dateisignal „%1“ ohne seine Werte; erst ein Signal wählen</source>
        <translation>Not sampled: the file names the signal file “%1” without its values; choose a signal first</translation>
    </message>
    <message>
        <source>Signaldateien (*.txt *.csv *.dat);;Alle Dateien (*)</source>
        <translation>Signal files (*.txt *.csv *.dat);;All files (*)</translation>
    </message>
    <message>
        <source>Kein Signal geladen...</source>
        <translation>No signal loaded...</translation>
    </message>
    <message>
        <source>Ungültiges Signal: größer als 64 MiB</source>
        <translation>Invalid signal: larger than 64 MiB</translation>
    </message>
    <message>
        <source>Ungültiges Signal: zu wenig Speicher für die Datei</source>
        <translation>Invalid signal: not enough memory for the file</translation>
    </message>
    <message>
        <source>Ungültiges Signal: Datei nicht lesbar</source>
        <translation>Invalid signal: the file cannot be read</translation>
    </message>
    <message>
        <source>Signal geladen: %1</source>
        <translation>Signal loaded: %1</translation>
    </message>
    <message>
        <source>Delta %1 übernommen: Go!, neu abgetastet auf Stufe %2, zerlegt bis Level %3</source>
        <translation>Delta %1 taken: Go!, sampled anew at level %2, decomposed down to level %3</translation>
    </message>
    <message>
        <source>Rauschen nicht hinzugefügt: σ muss eine Zahl von 0 bis 1 sein (Anteil am größten Betrag des Signals)</source>
        <translation>Noise not added: σ must be a number from 0 to 1 (a share of the signal&apos;s largest magnitude)</translation>
    </message>
    <message>
        <source>Rauschen hinzugefügt: σ = %1 des größten Betrags, Startwert %2; das saubere Signal bleibt die Referenz</source>
        <translation>Noise added: σ = %1 of the largest magnitude, seed %2; the clean signal stays the reference</translation>
    </message>
    <message>
        <source>Rauschen entfernt: das Signal ist wieder sauber abgetastet</source>
        <translation>Noise removed: the signal is sampled clean again</translation>
    </message>
    <message>
        <source>Entrauschen nicht möglich: auf der feinsten Stufe (Level = %1) gibt es keine Details; erst den Level senken</source>
        <translation>Cannot denoise: at the finest level (Level = %1) there are no details; lower the level first</translation>
    </message>
    <message>
        <source>Entrauschen nicht möglich: das Signal hat weniger als %1 Abtastwerte</source>
        <translation>Cannot denoise: the signal has fewer than %1 samples</translation>
    </message>
    <message>
        <source>aus</source>
        <translation>off</translation>
    </message>
    <message>
        <source>universelle Schwelle</source>
        <translation>universal threshold</translation>
    </message>
    <message>
        <source>SURE</source>
        <translation>SURE</translation>
    </message>
    <message>
        <source>manuelle Schwelle</source>
        <translation>manual threshold</translation>
    </message>
    <message>
        <source>Entrauschen: %1</source>
        <translation>Denoising: %1</translation>
    </message>
    <message>
        <source>Entrauschen: %1, %2</source>
        <translation>Denoising: %1, %2</translation>
    </message>
    <message>
        <source>weich</source>
        <translation>soft</translation>
    </message>
    <message>
        <source>hart</source>
        <translation>hard</translation>
    </message>
    <message>
        <source>λ nicht übernommen: λ muss eine Zahl ≥ 0 sein</source>
        <translation>λ not taken: λ must be a number ≥ 0</translation>
    </message>
    <message>
        <source>Kennzahlen: ein Wert ist keine endliche Zahl (—): die Werte des Signals sind zu groß oder keine Zahlen</source>
        <translation>Measures: a value is not a finite number (—): the signal&apos;s values are too large or not numbers</translation>
    </message>
    <message>
        <source>Werkzeuge</source>
        <translation>Tools</translation>
    </message>
    <message>
        <source>Signal</source>
        <translation>Signal</translation>
    </message>
    <message>
        <source>Datei…</source>
        <translation>File…</translation>
    </message>
    <message>
        <source>Neu abtasten</source>
        <translation>Sample anew</translation>
    </message>
    <message>
        <source>Kennzahlen</source>
        <translation>Measures</translation>
    </message>
    <message>
        <source>Kompression</source>
        <translation>Compression</translation>
    </message>
    <message>
        <source>Koeffizienten</source>
        <translation>Coefficients</translation>
    </message>
    <message>
        <source>ein Maßstab für alle</source>
        <translation>one scale for all</translation>
    </message>
    <message>
        <source>Delta-Vergleich</source>
        <translation>Delta comparison</translation>
    </message>
    <message>
        <source>Übernehmen</source>
        <translation>Use it</translation>
    </message>
    <message>
        <source>Rauschen</source>
        <translation>Noise</translation>
    </message>
    <message>
        <source>Hinzufügen</source>
        <translation>Add</translation>
    </message>
    <message>
        <source>Ohne Rauschen</source>
        <translation>No noise</translation>
    </message>
    <message>
        <source>Entrauschen</source>
        <translation>Denoising</translation>
    </message>
    <message>
        <source>Meldung</source>
        <translation>Message</translation>
    </message>
    <message>
        <source>Feinste Stufe</source>
        <translation>Finest level</translation>
    </message>
    <message>
        <source>wie im Original</source>
        <translation>as in the original</translation>
    </message>
    <message>
        <source>an die Daten angepasst</source>
        <translation>fitted to the data</translation>
    </message>
    <message>
        <source>Angepasst: jedes Funktionsfenster um den Bereich seiner Kurve, Beschriftung außerhalb der Kurve</source>
        <translation>Fitted: each function window framed around the range of its curve, labels outside the curve</translation>
    </message>
    <message>
        <source>Achsen:</source>
        <translation>Axes:</translation>
    </message>
    <message>
        <source>Behaltene Details:</source>
        <translation>Details kept:</translation>
    </message>
    <message>
        <source>nach Beitrag</source>
        <translation>by contribution</translation>
    </message>
    <message>
        <source>nach Betrag |d|</source>
        <translation>by magnitude |d|</translation>
    </message>
    <message>
        <source>Beitrag: |d| mal die L2-Norm des Wavelets; Betrag: |d| allein</source>
        <translation>Contribution: |d| times the wavelet&apos;s L2 norm; magnitude: |d| alone</translation>
    </message>
    <message>
        <source>Auswahl:</source>
        <translation>Ranking:</translation>
    </message>
    <message>
        <source>Koeffizienten: alle Zeilen im Maßstab des größten Betrags statt jede im eigenen</source>
        <translation>Coefficients: all rows on the scale of the largest magnitude instead of each on its own</translation>
    </message>
    <message>
        <source>RMS-Abstand</source>
        <translation>RMS distance</translation>
    </message>
    <message>
        <source>Max. Abstand</source>
        <translation>Max. distance</translation>
    </message>
    <message>
        <source>Abstand zu den Abtastwerten nach Kompression; Entrauschen: RMS-Abstand des entrauschten Signals zum sauberen</source>
        <translation>Distance to the samples after compression; denoising: RMS distance of the denoised signal to the clean one</translation>
    </message>
    <message>
        <source>Analyse</source>
        <translation>Analysis</translation>
    </message>
    <message>
        <source>Standardabweichung als Anteil (0 … 1) am größten Betrag des Signals</source>
        <translation>Standard deviation as a share (0 … 1) of the signal&apos;s largest magnitude</translation>
    </message>
    <message>
        <source>σ (Anteil):</source>
        <translation>σ (share):</translation>
    </message>
    <message>
        <source>Startwert:</source>
        <translation>Seed:</translation>
    </message>
    <message>
        <source>Aus</source>
        <translation>Off</translation>
    </message>
    <message>
        <source>Universell</source>
        <translation>Universal</translation>
    </message>
    <message>
        <source>Manuell</source>
        <translation>Manual</translation>
    </message>
    <message>
        <source>Regel:</source>
        <translation>Rule:</translation>
    </message>
    <message>
        <source>Art:</source>
        <translation>Kind:</translation>
    </message>
    <message>
        <source>λ:</source>
        <translation>λ:</translation>
    </message>
    <message>
        <source>Rauschen: σ = %1 · größter Betrag = %2, Startwert %3</source>
        <translation>Noise: σ = %1 · largest magnitude = %2, seed %3</translation>
    </message>
    <message>
        <source>σ̂ (feinste Details): %1</source>
        <translation>σ̂ (finest details): %1</translation>
    </message>
    <message>
        <source>Schwelle λ: —</source>
        <translation>Threshold λ: —</translation>
    </message>
    <message>
        <source>Schwelle λ je Level:</source>
        <translation>Threshold λ per level:</translation>
    </message>
    <message>
        <source>Schwelle λ: %1</source>
        <translation>Threshold λ: %1</translation>
    </message>
    <message>
        <source>Behalten: %1 von %2 Details</source>
        <translation>Kept: %1 of %2 details</translation>
    </message>
    <message>
        <source>SNR: — (ohne Rauschen kein sauberes Signal)</source>
        <translation>SNR: — (without noise there is no clean signal)</translation>
    </message>
    <message>
        <source>rekonstruiert</source>
        <translation>rebuilt</translation>
    </message>
    <message>
        <source>entrauscht</source>
        <translation>denoised</translation>
    </message>
    <message>
        <source>SNR: verrauscht %1, %2 %3</source>
        <translation>SNR: noisy %1, %2 %3</translation>
    </message>
    <message>
        <source>RMS zum sauberen Signal: verrauscht %1, %2 %3</source>
        <translation>RMS to the clean signal: noisy %1, %2 %3</translation>
    </message>
    <message>
        <source>Entrauschen: erst Rauschen hinzufügen (Seite „Rauschen“)</source>
        <translation>Denoising: add noise first (page “Noise”)</translation>
    </message>
    <message>
        <source>Bestes Delta: …</source>
        <translation>Best Delta: …</translation>
    </message>
    <message>
        <source>Bestes Delta: %1</source>
        <translation>Best Delta: %1</translation>
    </message>
    <message>
        <source>Bestes Delta: %1 (gleich für alle)</source>
        <translation>Best Delta: %1 (the same for all)</translation>
    </message>
    <message>
        <source>Bestes Delta: %1 (gleich für %2)</source>
        <translation>Best Delta: %1 (the same for %2)</translation>
    </message>
    <message>
        <source>Max. Fehler: %1</source>
        <translation>Max. error: %1</translation>
    </message>
    <message>
        <source>RMS-Fehler: %1</source>
        <translation>RMS error: %1</translation>
    </message>
    <message>
        <source>max. %1</source>
        <translation>max. %1</translation>
    </message>
    <message>
        <source>RMS %1</source>
        <translation>RMS %1</translation>
    </message>
    <message>
        <source>Behaltene Details: %1 von %2</source>
        <translation>Details kept: %1 of %2</translation>
    </message>
    <message>
        <source>Glätte %1</source>
        <translation>Smooth %1</translation>
    </message>
    <message>
        <source>Details %1</source>
        <translation>Details %1</translation>
    </message>
    <message>
        <source>Datei: %1</source>
        <translation>File: %1</translation>
    </message>
    <message>
        <source>Abstand zu den Abtastwerten:</source>
        <translation>Distance to the samples:</translation>
    </message>
    <message>
        <source>Teil</source>
        <translation>Part</translation>
    </message>
    <message>
        <source>Energie</source>
        <translation>Energy</translation>
    </message>
    <message>
        <source>CSV…</source>
        <translation>CSV…</translation>
    </message>
    <message>
        <source>Als CSV speichern…</source>
        <translation>Save as CSV…</translation>
    </message>
    <message>
        <source>Delta %1 übernommen: Go!, die Werte der Datei auf Stufe %2, zerlegt bis Level %3</source>
        <translation>Delta %1 taken: Go!, the file&apos;s values at level %2, decomposed down to level %3</translation>
    </message>
    <message>
        <source>Entrauschen: %1, %2, λ = %3</source>
        <translation>Denoising: %1, %2, λ = %3</translation>
    </message>
    <message>
        <source>Feinste Stufe %1: die Werte der Datei, wie sie sind</source>
        <translation>Finest level %1: the file&apos;s values as they are</translation>
    </message>
    <message>
        <source>Feinste Stufe %1: die Werte der Datei linear auf %2 interpoliert</source>
        <translation>Finest level %1: the file&apos;s values linearly interpolated to %2</translation>
    </message>
    <message>
        <source>Behalten: %1 von %2 Details, davon %3 % (Kompression)</source>
        <translation>Kept: %1 of %2 details, of which %3 % (compression)</translation>
    </message>
</context>
</TS>
