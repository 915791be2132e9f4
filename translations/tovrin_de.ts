<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de">
<context>
    <name>AboutForm</name>
    <message>
        <location filename="../ui/dialogs/AboutForm.cpp" line="28"/>
        <source>About Tovrin</source>
        <translation>Über Tovrin</translation>
    </message>
    <message>
        <location filename="../ui/dialogs/AboutForm.cpp" line="44"/>
        <source>Tovrin
Version %1

A pocket calculator for the desktop.
Copyright © The Tovrin developers</source>
        <translation>Tovrin
Version %1

Ein Taschenrechner für den Desktop.
Copyright © Die Tovrin-Entwickler</translation>
    </message>
</context>
<context>
    <name>Accessibility</name>
    <message>
        <location filename="../ui/Accessibility.cpp" line="142"/>
        <source>Keypad</source>
        <translation>Tastenfeld</translation>
    </message>
</context>
<context>
    <name>AdvancedDisplay</name>
    <message>
        <location filename="../ui/AdvancedDisplay.cpp" line="121"/>
        <source>X</source>
        <extracomment>The display&apos;s name for a screen reader: the X register it shows.</extracomment>
        <translation>X</translation>
    </message>
</context>
<context>
    <name>CalculatorForm</name>
    <message>
        <location filename="../ui/FunctionNames.cpp" line="12"/>
        <source>Standard</source>
        <translation>Standard</translation>
    </message>
    <message>
        <location filename="../ui/FunctionNames.cpp" line="12"/>
        <source>Financial</source>
        <translation>Finanzen</translation>
    </message>
    <message>
        <location filename="../ui/FunctionNames.cpp" line="13"/>
        <source>Scientific</source>
        <translation>Wissenschaftlich</translation>
    </message>
    <message>
        <location filename="../ui/FunctionNames.cpp" line="13"/>
        <source>Statistical</source>
        <translation>Statistik</translation>
    </message>
    <message>
        <location filename="../ui/FunctionNames.cpp" line="14"/>
        <source>Programmer</source>
        <translation>Programmierer</translation>
    </message>
    <message>
        <location filename="../ui/FunctionNames.cpp" line="14"/>
        <source>Conversion</source>
        <translation>Umrechnung</translation>
    </message>
    <message>
        <location filename="../ui/FunctionNames.cpp" line="15"/>
        <source>User</source>
        <translation>Benutzer</translation>
    </message>
    <message>
        <location filename="../ui/CalculatorForm.cpp" line="82"/>
        <source>Tovrin</source>
        <translation>Tovrin</translation>
    </message>
    <message>
        <location filename="../ui/CalculatorForm.cpp" line="164"/>
        <source>Calculator</source>
        <translation>Rechner</translation>
    </message>
    <message>
        <location filename="../ui/CalculatorForm.cpp" line="165"/>
        <source>Edit</source>
        <translation>Bearbeiten</translation>
    </message>
    <message>
        <location filename="../ui/CalculatorForm.cpp" line="166"/>
        <source>Options</source>
        <translation>Optionen</translation>
    </message>
    <message>
        <location filename="../ui/CalculatorForm.cpp" line="167"/>
        <source>Help</source>
        <translation>Hilfe</translation>
    </message>
    <message>
        <location filename="../ui/CalculatorForm.cpp" line="169"/>
        <source>RPN Stack...</source>
        <translation>UPN-Stapel...</translation>
    </message>
    <message>
        <location filename="../ui/CalculatorForm.cpp" line="170"/>
        <source>User Registers...</source>
        <translation>Benutzerregister...</translation>
    </message>
    <message>
        <location filename="../ui/CalculatorForm.cpp" line="172"/>
        <source>Tape...</source>
        <translation>Rechenstreifen...</translation>
    </message>
    <message>
        <location filename="../ui/CalculatorForm.cpp" line="174"/>
        <source>Quit</source>
        <translation>Beenden</translation>
    </message>
    <message>
        <location filename="../ui/CalculatorForm.cpp" line="179"/>
        <source>Undo</source>
        <translation>Rückgängig</translation>
    </message>
    <message>
        <location filename="../ui/CalculatorForm.cpp" line="180"/>
        <source>Redo</source>
        <translation>Wiederherstellen</translation>
    </message>
    <message>
        <location filename="../ui/CalculatorForm.cpp" line="183"/>
        <source>copy</source>
        <extracomment>The name of the Copy icon&apos;s picture, not a text: keep it as it is.</extracomment>
        <translation>copy</translation>
    </message>
    <message>
        <location filename="../ui/CalculatorForm.cpp" line="186"/>
        <source>Copy</source>
        <translation>Kopieren</translation>
    </message>
    <message>
        <location filename="../ui/CalculatorForm.cpp" line="185"/>
        <source>paste</source>
        <extracomment>The name of the Paste icon&apos;s picture, not a text: keep it as it is.</extracomment>
        <translation>paste</translation>
    </message>
    <message>
        <location filename="../ui/CalculatorForm.cpp" line="188"/>
        <source>Paste</source>
        <translation>Einfügen</translation>
    </message>
    <message>
        <location filename="../ui/CalculatorForm.cpp" line="193"/>
        <source>Preferences...</source>
        <translation>Einstellungen...</translation>
    </message>
    <message>
        <location filename="../ui/CalculatorForm.cpp" line="195"/>
        <source>Colors...</source>
        <translation>Farben...</translation>
    </message>
    <message>
        <location filename="../ui/CalculatorForm.cpp" line="196"/>
        <source>Keyboard...</source>
        <translation>Tastatur...</translation>
    </message>
    <message>
        <location filename="../ui/CalculatorForm.cpp" line="198"/>
        <source>User Guide</source>
        <translation>Benutzerhandbuch</translation>
    </message>
    <message>
        <location filename="../ui/CalculatorForm.cpp" line="199"/>
        <source>Keys</source>
        <translation>Tasten</translation>
    </message>
    <message>
        <location filename="../ui/CalculatorForm.cpp" line="201"/>
        <source>About Tovrin...</source>
        <translation>Über Tovrin...</translation>
    </message>
    <message>
        <location filename="../ui/CalculatorForm.cpp" line="419"/>
        <source>Nothing to Undo</source>
        <translation>Nichts rückgängig zu machen</translation>
    </message>
    <message>
        <location filename="../ui/CalculatorForm.cpp" line="419"/>
        <source>There are no
operations to be
undone.</source>
        <translation>Es gibt keine
Rechenschritte, die
rückgängig gemacht
werden können.</translation>
    </message>
    <message>
        <location filename="../ui/CalculatorForm.cpp" line="429"/>
        <source>Nothing to Redo</source>
        <translation>Nichts wiederherzustellen</translation>
    </message>
    <message>
        <location filename="../ui/CalculatorForm.cpp" line="430"/>
        <source>There are no undo
actions to be redone.</source>
        <translation>Es gibt keine rückgängig
gemachten Schritte, die
wiederhergestellt
werden können.</translation>
    </message>
    <message>
        <location filename="../ui/CalculatorForm.cpp" line="471"/>
        <source>Clear All</source>
        <translation>Alles löschen</translation>
    </message>
    <message>
        <location filename="../ui/CalculatorForm.cpp" line="472"/>
        <source>This operation will
clear the operating
stack and all user,
financial, and
statistical registers.</source>
        <translation>Dieser Vorgang löscht
den Rechenstapel und
alle Benutzer-, Finanz-
und Statistikregister.</translation>
    </message>
    <message>
        <location filename="../ui/CalculatorForm.cpp" line="474"/>
        <source>Clear</source>
        <translation>Löschen</translation>
    </message>
    <message>
        <location filename="../ui/CalculatorForm.cpp" line="474"/>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <location filename="../ui/ClipboardText.cpp" line="62"/>
        <source>Not pasted: the number is too large.</source>
        <translation>Nicht eingefügt: Die Zahl ist zu groß.</translation>
    </message>
    <message>
        <location filename="../ui/ClipboardText.cpp" line="64"/>
        <source>Not pasted: the number does not fit the %1 word.</source>
        <translation>Nicht eingefügt: Die Zahl passt nicht in das %1-Wort.</translation>
    </message>
    <message>
        <location filename="../ui/ClipboardText.cpp" line="67"/>
        <source>Not pasted: the clipboard holds no single number.</source>
        <translation>Nicht eingefügt: Die Zwischenablage enthält nicht genau eine Zahl.</translation>
    </message>
</context>
<context>
    <name>ColorDialog</name>
    <message>
        <location filename="../ui/dialogs/ColorDialog.cpp" line="35"/>
        <source>Color Chooser</source>
        <translation>Farbauswahl</translation>
    </message>
    <message>
        <location filename="../ui/dialogs/ColorDialog.cpp" line="48"/>
        <source>Red:</source>
        <translation>Rot:</translation>
    </message>
    <message>
        <location filename="../ui/dialogs/ColorDialog.cpp" line="48"/>
        <source>Green:</source>
        <translation>Grün:</translation>
    </message>
    <message>
        <location filename="../ui/dialogs/ColorDialog.cpp" line="48"/>
        <source>Blue:</source>
        <translation>Blau:</translation>
    </message>
</context>
<context>
    <name>ColorsDialog</name>
    <message>
        <location filename="../ui/dialogs/ColorsDialog.cpp" line="140"/>
        <source>Customize Colors</source>
        <translation>Farben anpassen</translation>
    </message>
</context>
<context>
    <name>ColorsPane</name>
    <message>
        <location filename="../ui/dialogs/ColorsDialog.cpp" line="53"/>
        <source>Text</source>
        <translation>Schrift</translation>
    </message>
    <message>
        <location filename="../ui/dialogs/ColorsDialog.cpp" line="54"/>
        <source>Background</source>
        <translation>Hintergrund</translation>
    </message>
    <message>
        <location filename="../ui/dialogs/ColorsDialog.cpp" line="57"/>
        <source>Display:</source>
        <translation>Anzeige:</translation>
    </message>
    <message>
        <location filename="../ui/dialogs/ColorsDialog.cpp" line="57"/>
        <source>Standard:</source>
        <translation>Standardtasten:</translation>
    </message>
    <message>
        <location filename="../ui/dialogs/ColorsDialog.cpp" line="57"/>
        <source>Number:</source>
        <translation>Zifferntasten:</translation>
    </message>
    <message>
        <location filename="../ui/dialogs/ColorsDialog.cpp" line="58"/>
        <source>Register:</source>
        <translation>Registertasten:</translation>
    </message>
    <message>
        <location filename="../ui/dialogs/ColorsDialog.cpp" line="58"/>
        <source>Clear:</source>
        <translation>Löschtasten:</translation>
    </message>
    <message>
        <location filename="../ui/dialogs/ColorsDialog.cpp" line="58"/>
        <source>Dialog:</source>
        <translation>Dialog:</translation>
    </message>
    <message>
        <location filename="../ui/dialogs/ColorsDialog.cpp" line="77"/>
        <source>Default</source>
        <translation>Standardfarben</translation>
    </message>
</context>
<context>
    <name>KeyNames</name>
    <message>
        <location filename="../ui/KeyNames.cpp" line="16"/>
        <source>Zero</source>
        <translation>Null</translation>
    </message>
    <message>
        <location filename="../ui/KeyNames.cpp" line="17"/>
        <source>One</source>
        <translation>Eins</translation>
    </message>
    <message>
        <location filename="../ui/KeyNames.cpp" line="18"/>
        <source>Two</source>
        <translation>Zwei</translation>
    </message>
    <message>
        <location filename="../ui/KeyNames.cpp" line="19"/>
        <source>Three</source>
        <translation>Drei</translation>
    </message>
    <message>
        <location filename="../ui/KeyNames.cpp" line="20"/>
        <source>Four</source>
        <translation>Vier</translation>
    </message>
    <message>
        <location filename="../ui/KeyNames.cpp" line="21"/>
        <source>Five</source>
        <translation>Fünf</translation>
    </message>
    <message>
        <location filename="../ui/KeyNames.cpp" line="22"/>
        <source>Six</source>
        <translation>Sechs</translation>
    </message>
    <message>
        <location filename="../ui/KeyNames.cpp" line="23"/>
        <source>Seven</source>
        <translation>Sieben</translation>
    </message>
    <message>
        <location filename="../ui/KeyNames.cpp" line="24"/>
        <source>Eight</source>
        <translation>Acht</translation>
    </message>
    <message>
        <location filename="../ui/KeyNames.cpp" line="25"/>
        <source>Nine</source>
        <translation>Neun</translation>
    </message>
    <message>
        <location filename="../ui/KeyNames.cpp" line="26"/>
        <source>Hexadecimal digit A</source>
        <translation>Hexadezimalziffer A</translation>
    </message>
    <message>
        <location filename="../ui/KeyNames.cpp" line="27"/>
        <source>Hexadecimal digit B</source>
        <translation>Hexadezimalziffer B</translation>
    </message>
    <message>
        <location filename="../ui/KeyNames.cpp" line="28"/>
        <source>Hexadecimal digit C</source>
        <translation>Hexadezimalziffer C</translation>
    </message>
    <message>
        <location filename="../ui/KeyNames.cpp" line="29"/>
        <source>Hexadecimal digit D</source>
        <translation>Hexadezimalziffer D</translation>
    </message>
    <message>
        <location filename="../ui/KeyNames.cpp" line="30"/>
        <source>Hexadecimal digit E</source>
        <translation>Hexadezimalziffer E</translation>
    </message>
    <message>
        <location filename="../ui/KeyNames.cpp" line="31"/>
        <source>Hexadecimal digit F</source>
        <translation>Hexadezimalziffer F</translation>
    </message>
    <message>
        <location filename="../ui/KeyNames.cpp" line="32"/>
        <source>Decimal point</source>
        <translation>Dezimalpunkt</translation>
    </message>
    <message>
        <location filename="../ui/KeyNames.cpp" line="33"/>
        <source>Decimal comma</source>
        <translation>Dezimalkomma</translation>
    </message>
    <message>
        <location filename="../ui/KeyNames.cpp" line="34"/>
        <source>Enter exponent</source>
        <translation>Exponent eingeben</translation>
    </message>
    <message>
        <location filename="../ui/KeyNames.cpp" line="35"/>
        <source>Change sign</source>
        <translation>Vorzeichen wechseln</translation>
    </message>
    <message>
        <location filename="../ui/KeyNames.cpp" line="36"/>
        <source>Backspace</source>
        <translation>Rücktaste</translation>
    </message>
    <message>
        <location filename="../ui/KeyNames.cpp" line="37"/>
        <source>Enter</source>
        <translation>Eingabe</translation>
    </message>
    <message>
        <location filename="../ui/KeyNames.cpp" line="38"/>
        <source>Plus</source>
        <translation>Plus</translation>
    </message>
    <message>
        <location filename="../ui/KeyNames.cpp" line="39"/>
        <source>Minus</source>
        <translation>Minus</translation>
    </message>
    <message>
        <location filename="../ui/KeyNames.cpp" line="40"/>
        <source>Multiply by</source>
        <translation>Mal</translation>
    </message>
    <message>
        <location filename="../ui/KeyNames.cpp" line="41"/>
        <source>Divide by</source>
        <translation>Geteilt durch</translation>
    </message>
    <message>
        <location filename="../ui/KeyNames.cpp" line="42"/>
        <source>Equals</source>
        <translation>Gleich</translation>
    </message>
    <message>
        <location filename="../ui/KeyNames.cpp" line="43"/>
        <source>Shift</source>
        <translation>Umschalten</translation>
    </message>
    <message>
        <location filename="../ui/KeyNames.cpp" line="44"/>
        <source>Show all digits</source>
        <translation>Alle Stellen zeigen</translation>
    </message>
    <message>
        <location filename="../ui/KeyNames.cpp" line="45"/>
        <location filename="../ui/KeyNames.cpp" line="48"/>
        <source>Clear all</source>
        <translation>Alles löschen</translation>
    </message>
    <message>
        <location filename="../ui/KeyNames.cpp" line="46"/>
        <source>Clear</source>
        <translation>Löschen</translation>
    </message>
    <message>
        <location filename="../ui/KeyNames.cpp" line="47"/>
        <source>Clear entry</source>
        <translation>Eingabe löschen</translation>
    </message>
    <message>
        <location filename="../ui/KeyNames.cpp" line="49"/>
        <source>Clear stack</source>
        <translation>Stapel löschen</translation>
    </message>
    <message>
        <location filename="../ui/KeyNames.cpp" line="50"/>
        <source>Clear X</source>
        <translation>X löschen</translation>
    </message>
    <message>
        <location filename="../ui/KeyNames.cpp" line="51"/>
        <source>Clear all registers</source>
        <translation>Alle Register löschen</translation>
    </message>
    <message>
        <location filename="../ui/KeyNames.cpp" line="52"/>
        <source>Clear financial registers</source>
        <translation>Finanzregister löschen</translation>
    </message>
    <message>
        <location filename="../ui/KeyNames.cpp" line="53"/>
        <source>Clear statistics</source>
        <translation>Statistik löschen</translation>
    </message>
    <message>
        <location filename="../ui/KeyNames.cpp" line="54"/>
        <source>Roll stack down</source>
        <translation>Stapel abwärts rollen</translation>
    </message>
    <message>
        <location filename="../ui/KeyNames.cpp" line="55"/>
        <source>Roll stack up</source>
        <translation>Stapel aufwärts rollen</translation>
    </message>
    <message>
        <location filename="../ui/KeyNames.cpp" line="56"/>
        <source>Drop X</source>
        <translation>X verwerfen</translation>
    </message>
    <message>
        <location filename="../ui/KeyNames.cpp" line="57"/>
        <source>Fill stack with X</source>
        <translation>Stapel mit X füllen</translation>
    </message>
    <message>
        <location filename="../ui/KeyNames.cpp" line="58"/>
        <source>Exchange X and Y</source>
        <translation>X und Y tauschen</translation>
    </message>
    <message>
        <location filename="../ui/KeyNames.cpp" line="59"/>
        <source>Exchange X with register</source>
        <translation>X mit Register tauschen</translation>
    </message>
    <message>
        <location filename="../ui/KeyNames.cpp" line="60"/>
        <source>Last X</source>
        <translation>Letztes X</translation>
    </message>
    <message>
        <location filename="../ui/KeyNames.cpp" line="61"/>
        <source>Store in register</source>
        <translation>In Register speichern</translation>
    </message>
    <message>
        <location filename="../ui/KeyNames.cpp" line="62"/>
        <source>Recall register</source>
        <translation>Register abrufen</translation>
    </message>
    <message>
        <location filename="../ui/KeyNames.cpp" line="63"/>
        <source>Open parenthesis</source>
        <translation>Klammer auf</translation>
    </message>
    <message>
        <location filename="../ui/KeyNames.cpp" line="64"/>
        <source>Close parenthesis</source>
        <translation>Klammer zu</translation>
    </message>
    <message>
        <location filename="../ui/KeyNames.cpp" line="65"/>
        <source>Memory clear</source>
        <translation>Speicher löschen</translation>
    </message>
    <message>
        <location filename="../ui/KeyNames.cpp" line="66"/>
        <source>Memory add</source>
        <translation>Zum Speicher addieren</translation>
    </message>
    <message>
        <location filename="../ui/KeyNames.cpp" line="67"/>
        <source>Memory subtract</source>
        <translation>Vom Speicher subtrahieren</translation>
    </message>
    <message>
        <location filename="../ui/KeyNames.cpp" line="68"/>
        <source>Memory store</source>
        <translation>In Speicher ablegen</translation>
    </message>
    <message>
        <location filename="../ui/KeyNames.cpp" line="69"/>
        <source>Memory recall</source>
        <translation>Speicher abrufen</translation>
    </message>
    <message>
        <location filename="../ui/KeyNames.cpp" line="70"/>
        <source>Percent of total</source>
        <translation>Prozentanteil</translation>
    </message>
    <message>
        <location filename="../ui/KeyNames.cpp" line="71"/>
        <source>Percent change</source>
        <translation>Prozentuale Änderung</translation>
    </message>
    <message>
        <location filename="../ui/KeyNames.cpp" line="72"/>
        <source>Percent</source>
        <translation>Prozent</translation>
    </message>
    <message>
        <location filename="../ui/KeyNames.cpp" line="73"/>
        <source>Round to the display</source>
        <translation>Auf die Anzeige runden</translation>
    </message>
    <message>
        <location filename="../ui/KeyNames.cpp" line="74"/>
        <source>Integer part</source>
        <translation>Ganzzahliger Anteil</translation>
    </message>
    <message>
        <location filename="../ui/KeyNames.cpp" line="75"/>
        <source>Absolute value</source>
        <translation>Betrag</translation>
    </message>
    <message>
        <location filename="../ui/KeyNames.cpp" line="76"/>
        <source>Square root</source>
        <translation>Quadratwurzel</translation>
    </message>
    <message>
        <location filename="../ui/KeyNames.cpp" line="77"/>
        <source>Square</source>
        <translation>Quadrat</translation>
    </message>
    <message>
        <location filename="../ui/KeyNames.cpp" line="78"/>
        <source>Cube root</source>
        <translation>Kubikwurzel</translation>
    </message>
    <message>
        <location filename="../ui/KeyNames.cpp" line="79"/>
        <source>Cube</source>
        <translation>Dritte Potenz</translation>
    </message>
    <message>
        <location filename="../ui/KeyNames.cpp" line="80"/>
        <source>Y to the power X</source>
        <translation>Y hoch X</translation>
    </message>
    <message>
        <location filename="../ui/KeyNames.cpp" line="81"/>
        <source>Reciprocal</source>
        <translation>Kehrwert</translation>
    </message>
    <message>
        <location filename="../ui/KeyNames.cpp" line="82"/>
        <source>Fractional part</source>
        <translation>Nachkommaanteil</translation>
    </message>
    <message>
        <location filename="../ui/KeyNames.cpp" line="83"/>
        <source>Modulo</source>
        <translation>Modulo</translation>
    </message>
    <message>
        <location filename="../ui/KeyNames.cpp" line="84"/>
        <source>Payments at the beginning of periods</source>
        <translation>Zahlungen am Periodenanfang</translation>
    </message>
    <message>
        <location filename="../ui/KeyNames.cpp" line="85"/>
        <source>Number of periods</source>
        <translation>Anzahl der Perioden</translation>
    </message>
    <message>
        <location filename="../ui/KeyNames.cpp" line="86"/>
        <source>Interest rate per year</source>
        <translation>Jahreszinssatz</translation>
    </message>
    <message>
        <location filename="../ui/KeyNames.cpp" line="87"/>
        <source>Present value</source>
        <translation>Barwert</translation>
    </message>
    <message>
        <location filename="../ui/KeyNames.cpp" line="88"/>
        <source>Payment</source>
        <translation>Zahlung</translation>
    </message>
    <message>
        <location filename="../ui/KeyNames.cpp" line="89"/>
        <source>Future value</source>
        <translation>Endwert</translation>
    </message>
    <message>
        <location filename="../ui/KeyNames.cpp" line="90"/>
        <source>Payments per year</source>
        <translation>Zahlungen pro Jahr</translation>
    </message>
    <message>
        <location filename="../ui/KeyNames.cpp" line="91"/>
        <source>Nominal interest rate</source>
        <translation>Nominalzins</translation>
    </message>
    <message>
        <location filename="../ui/KeyNames.cpp" line="92"/>
        <source>Effective interest rate</source>
        <translation>Effektivzins</translation>
    </message>
    <message>
        <location filename="../ui/KeyNames.cpp" line="93"/>
        <source>Multiply by payments per year</source>
        <translation>Mit Zahlungen pro Jahr multiplizieren</translation>
    </message>
    <message>
        <location filename="../ui/KeyNames.cpp" line="94"/>
        <source>Divide by payments per year</source>
        <translation>Durch Zahlungen pro Jahr dividieren</translation>
    </message>
    <message>
        <location filename="../ui/KeyNames.cpp" line="95"/>
        <source>Cost</source>
        <translation>Kosten</translation>
    </message>
    <message>
        <location filename="../ui/KeyNames.cpp" line="96"/>
        <source>Price</source>
        <translation>Preis</translation>
    </message>
    <message>
        <location filename="../ui/KeyNames.cpp" line="97"/>
        <source>Margin</source>
        <translation>Marge</translation>
    </message>
    <message>
        <location filename="../ui/KeyNames.cpp" line="98"/>
        <source>Markup on cost</source>
        <translation>Aufschlag auf die Kosten</translation>
    </message>
    <message>
        <location filename="../ui/KeyNames.cpp" line="99"/>
        <source>Amortize</source>
        <translation>Tilgen</translation>
    </message>
    <message>
        <location filename="../ui/KeyNames.cpp" line="100"/>
        <source>Amortize the next payments</source>
        <translation>Die nächsten Zahlungen tilgen</translation>
    </message>
    <message>
        <location filename="../ui/KeyNames.cpp" line="101"/>
        <source>Cash flow</source>
        <translation>Zahlungsstrom</translation>
    </message>
    <message>
        <location filename="../ui/KeyNames.cpp" line="102"/>
        <source>Times the cash flow occurs</source>
        <translation>Häufigkeit des Zahlungsstroms</translation>
    </message>
    <message>
        <location filename="../ui/KeyNames.cpp" line="103"/>
        <source>Net present value</source>
        <translation>Kapitalwert</translation>
    </message>
    <message>
        <location filename="../ui/KeyNames.cpp" line="104"/>
        <source>Internal rate of return</source>
        <translation>Interner Zinsfuß</translation>
    </message>
    <message>
        <location filename="../ui/KeyNames.cpp" line="105"/>
        <source>Sine</source>
        <translation>Sinus</translation>
    </message>
    <message>
        <location filename="../ui/KeyNames.cpp" line="106"/>
        <source>Cosine</source>
        <translation>Kosinus</translation>
    </message>
    <message>
        <location filename="../ui/KeyNames.cpp" line="107"/>
        <source>Tangent</source>
        <translation>Tangens</translation>
    </message>
    <message>
        <location filename="../ui/KeyNames.cpp" line="108"/>
        <source>Arc sine</source>
        <translation>Arkussinus</translation>
    </message>
    <message>
        <location filename="../ui/KeyNames.cpp" line="109"/>
        <source>Arc cosine</source>
        <translation>Arkuskosinus</translation>
    </message>
    <message>
        <location filename="../ui/KeyNames.cpp" line="110"/>
        <source>Arc tangent</source>
        <translation>Arkustangens</translation>
    </message>
    <message>
        <location filename="../ui/KeyNames.cpp" line="111"/>
        <source>Pi</source>
        <translation>Pi</translation>
    </message>
    <message>
        <location filename="../ui/KeyNames.cpp" line="112"/>
        <source>Hyperbolic function</source>
        <translation>Hyperbelfunktion</translation>
    </message>
    <message>
        <location filename="../ui/KeyNames.cpp" line="113"/>
        <source>Natural logarithm</source>
        <translation>Natürlicher Logarithmus</translation>
    </message>
    <message>
        <location filename="../ui/KeyNames.cpp" line="114"/>
        <source>Common logarithm</source>
        <translation>Dekadischer Logarithmus</translation>
    </message>
    <message>
        <location filename="../ui/KeyNames.cpp" line="115"/>
        <source>E to the power X</source>
        <translation>e hoch X</translation>
    </message>
    <message>
        <location filename="../ui/KeyNames.cpp" line="116"/>
        <source>10 to the power X</source>
        <translation>10 hoch X</translation>
    </message>
    <message>
        <location filename="../ui/KeyNames.cpp" line="117"/>
        <source>Angles in degrees</source>
        <translation>Winkel in Grad</translation>
    </message>
    <message>
        <location filename="../ui/KeyNames.cpp" line="118"/>
        <source>Angles in radians</source>
        <translation>Winkel im Bogenmaß</translation>
    </message>
    <message>
        <location filename="../ui/KeyNames.cpp" line="119"/>
        <source>Angles in grads</source>
        <translation>Winkel in Gon</translation>
    </message>
    <message>
        <location filename="../ui/KeyNames.cpp" line="120"/>
        <source>Radians to degrees</source>
        <translation>Bogenmaß in Grad</translation>
    </message>
    <message>
        <location filename="../ui/KeyNames.cpp" line="121"/>
        <source>Degrees to radians</source>
        <translation>Grad in Bogenmaß</translation>
    </message>
    <message>
        <location filename="../ui/KeyNames.cpp" line="122"/>
        <source>Polar to rectangular</source>
        <translation>Polar- in kartesische Koordinaten</translation>
    </message>
    <message>
        <location filename="../ui/KeyNames.cpp" line="123"/>
        <source>Rectangular to polar</source>
        <translation>Kartesische in Polarkoordinaten</translation>
    </message>
    <message>
        <location filename="../ui/KeyNames.cpp" line="124"/>
        <source>Hours to hours, minutes and seconds</source>
        <translation>Stunden in Stunden, Minuten und Sekunden</translation>
    </message>
    <message>
        <location filename="../ui/KeyNames.cpp" line="125"/>
        <source>Hours, minutes and seconds to hours</source>
        <translation>Stunden, Minuten und Sekunden in Stunden</translation>
    </message>
    <message>
        <location filename="../ui/KeyNames.cpp" line="126"/>
        <source>Add data point</source>
        <translation>Datenpunkt hinzufügen</translation>
    </message>
    <message>
        <location filename="../ui/KeyNames.cpp" line="127"/>
        <source>Remove data point</source>
        <translation>Datenpunkt entfernen</translation>
    </message>
    <message>
        <location filename="../ui/KeyNames.cpp" line="128"/>
        <source>Sum of x</source>
        <translation>Summe der x</translation>
    </message>
    <message>
        <location filename="../ui/KeyNames.cpp" line="129"/>
        <source>Sum of x squared</source>
        <translation>Summe der x-Quadrate</translation>
    </message>
    <message>
        <location filename="../ui/KeyNames.cpp" line="130"/>
        <source>Sum of y</source>
        <translation>Summe der y</translation>
    </message>
    <message>
        <location filename="../ui/KeyNames.cpp" line="131"/>
        <source>Sum of y squared</source>
        <translation>Summe der y-Quadrate</translation>
    </message>
    <message>
        <location filename="../ui/KeyNames.cpp" line="132"/>
        <source>Sum of x times y</source>
        <translation>Summe der Produkte x mal y</translation>
    </message>
    <message>
        <location filename="../ui/KeyNames.cpp" line="133"/>
        <source>Number of data points</source>
        <translation>Anzahl der Datenpunkte</translation>
    </message>
    <message>
        <location filename="../ui/KeyNames.cpp" line="134"/>
        <source>Mean of x</source>
        <translation>Mittelwert der x</translation>
    </message>
    <message>
        <location filename="../ui/KeyNames.cpp" line="135"/>
        <source>Mean of x weighted by y</source>
        <translation>Mittelwert der x, gewichtet mit y</translation>
    </message>
    <message>
        <location filename="../ui/KeyNames.cpp" line="136"/>
        <source>Mean of y</source>
        <translation>Mittelwert der y</translation>
    </message>
    <message>
        <location filename="../ui/KeyNames.cpp" line="137"/>
        <source>Estimate x and correlation</source>
        <translation>Schätzwert für x und Korrelation</translation>
    </message>
    <message>
        <location filename="../ui/KeyNames.cpp" line="138"/>
        <source>Estimate y and slope</source>
        <translation>Schätzwert für y und Steigung</translation>
    </message>
    <message>
        <location filename="../ui/KeyNames.cpp" line="139"/>
        <source>Random number</source>
        <translation>Zufallszahl</translation>
    </message>
    <message>
        <location filename="../ui/KeyNames.cpp" line="140"/>
        <source>Factorial</source>
        <translation>Fakultät</translation>
    </message>
    <message>
        <location filename="../ui/KeyNames.cpp" line="141"/>
        <source>Gamma function</source>
        <translation>Gammafunktion</translation>
    </message>
    <message>
        <location filename="../ui/KeyNames.cpp" line="142"/>
        <source>Sample standard deviation</source>
        <translation>Standardabweichung der Stichprobe</translation>
    </message>
    <message>
        <location filename="../ui/KeyNames.cpp" line="143"/>
        <source>Population standard deviation</source>
        <translation>Standardabweichung der Grundgesamtheit</translation>
    </message>
    <message>
        <location filename="../ui/KeyNames.cpp" line="144"/>
        <source>Combinations</source>
        <translation>Kombinationen</translation>
    </message>
    <message>
        <location filename="../ui/KeyNames.cpp" line="145"/>
        <source>Permutations</source>
        <translation>Permutationen</translation>
    </message>
    <message>
        <location filename="../ui/KeyNames.cpp" line="146"/>
        <source>Binary base</source>
        <translation>Binärsystem</translation>
    </message>
    <message>
        <location filename="../ui/KeyNames.cpp" line="147"/>
        <source>Octal base</source>
        <translation>Oktalsystem</translation>
    </message>
    <message>
        <location filename="../ui/KeyNames.cpp" line="148"/>
        <source>Decimal base</source>
        <translation>Dezimalsystem</translation>
    </message>
    <message>
        <location filename="../ui/KeyNames.cpp" line="149"/>
        <source>Hexadecimal base</source>
        <translation>Hexadezimalsystem</translation>
    </message>
    <message>
        <location filename="../ui/KeyNames.cpp" line="150"/>
        <source>Bitwise and</source>
        <translation>Bitweises UND</translation>
    </message>
    <message>
        <location filename="../ui/KeyNames.cpp" line="151"/>
        <source>Bitwise or</source>
        <translation>Bitweises ODER</translation>
    </message>
    <message>
        <location filename="../ui/KeyNames.cpp" line="152"/>
        <source>Bitwise exclusive or</source>
        <translation>Bitweises exklusives ODER</translation>
    </message>
    <message>
        <location filename="../ui/KeyNames.cpp" line="153"/>
        <source>Bitwise not</source>
        <translation>Bitweises NICHT</translation>
    </message>
    <message>
        <location filename="../ui/KeyNames.cpp" line="154"/>
        <source>Shift Y left by X bits</source>
        <translation>Y um X Bits nach links schieben</translation>
    </message>
    <message>
        <location filename="../ui/KeyNames.cpp" line="155"/>
        <source>Shift Y right by X bits</source>
        <translation>Y um X Bits nach rechts schieben</translation>
    </message>
    <message>
        <location filename="../ui/KeyNames.cpp" line="156"/>
        <source>Arithmetic shift right</source>
        <translation>Arithmetisch nach rechts schieben</translation>
    </message>
    <message>
        <location filename="../ui/KeyNames.cpp" line="157"/>
        <source>Rotate Y right by X bits</source>
        <translation>Y um X Bits nach rechts rotieren</translation>
    </message>
    <message>
        <location filename="../ui/KeyNames.cpp" line="158"/>
        <source>Inches</source>
        <translation>Zoll</translation>
    </message>
    <message>
        <location filename="../ui/KeyNames.cpp" line="159"/>
        <source>Feet</source>
        <translation>Fuß</translation>
    </message>
    <message>
        <location filename="../ui/KeyNames.cpp" line="160"/>
        <source>Miles</source>
        <translation>Meilen</translation>
    </message>
    <message>
        <location filename="../ui/KeyNames.cpp" line="161"/>
        <source>Meters</source>
        <translation>Meter</translation>
    </message>
    <message>
        <location filename="../ui/KeyNames.cpp" line="162"/>
        <source>Square inches</source>
        <translation>Quadratzoll</translation>
    </message>
    <message>
        <location filename="../ui/KeyNames.cpp" line="163"/>
        <source>Square feet</source>
        <translation>Quadratfuß</translation>
    </message>
    <message>
        <location filename="../ui/KeyNames.cpp" line="164"/>
        <source>Square miles</source>
        <translation>Quadratmeilen</translation>
    </message>
    <message>
        <location filename="../ui/KeyNames.cpp" line="165"/>
        <source>Square meters</source>
        <translation>Quadratmeter</translation>
    </message>
    <message>
        <location filename="../ui/KeyNames.cpp" line="166"/>
        <source>Pounds</source>
        <translation>Pfund</translation>
    </message>
    <message>
        <location filename="../ui/KeyNames.cpp" line="167"/>
        <source>Ounces</source>
        <translation>Unzen</translation>
    </message>
    <message>
        <location filename="../ui/KeyNames.cpp" line="168"/>
        <source>Kilograms</source>
        <translation>Kilogramm</translation>
    </message>
    <message>
        <location filename="../ui/KeyNames.cpp" line="169"/>
        <source>Grams</source>
        <translation>Gramm</translation>
    </message>
    <message>
        <location filename="../ui/KeyNames.cpp" line="170"/>
        <source>Inches per second</source>
        <translation>Zoll pro Sekunde</translation>
    </message>
    <message>
        <location filename="../ui/KeyNames.cpp" line="171"/>
        <source>Feet per second</source>
        <translation>Fuß pro Sekunde</translation>
    </message>
    <message>
        <location filename="../ui/KeyNames.cpp" line="172"/>
        <source>Meters per second</source>
        <translation>Meter pro Sekunde</translation>
    </message>
    <message>
        <location filename="../ui/KeyNames.cpp" line="173"/>
        <source>Miles per hour</source>
        <translation>Meilen pro Stunde</translation>
    </message>
    <message>
        <location filename="../ui/KeyNames.cpp" line="174"/>
        <source>Kilometers per hour</source>
        <translation>Kilometer pro Stunde</translation>
    </message>
    <message>
        <location filename="../ui/KeyNames.cpp" line="175"/>
        <source>Centimeters per second</source>
        <translation>Zentimeter pro Sekunde</translation>
    </message>
    <message>
        <location filename="../ui/KeyNames.cpp" line="176"/>
        <source>Gallons</source>
        <translation>Gallonen</translation>
    </message>
    <message>
        <location filename="../ui/KeyNames.cpp" line="177"/>
        <source>Milliliters</source>
        <translation>Milliliter</translation>
    </message>
    <message>
        <location filename="../ui/KeyNames.cpp" line="178"/>
        <source>Liters</source>
        <translation>Liter</translation>
    </message>
    <message>
        <location filename="../ui/KeyNames.cpp" line="179"/>
        <source>Fluid ounces</source>
        <translation>Flüssigunzen</translation>
    </message>
    <message>
        <location filename="../ui/KeyNames.cpp" line="180"/>
        <source>Degrees Celsius</source>
        <translation>Grad Celsius</translation>
    </message>
    <message>
        <location filename="../ui/KeyNames.cpp" line="181"/>
        <source>Degrees Fahrenheit</source>
        <translation>Grad Fahrenheit</translation>
    </message>
    <message>
        <location filename="../ui/KeyNames.cpp" line="182"/>
        <source>X-th root of Y</source>
        <translation>X-te Wurzel aus Y</translation>
    </message>
    <message>
        <location filename="../ui/KeyNames.cpp" line="183"/>
        <source>Unsigned 8-bit word</source>
        <translation>8-Bit-Wort ohne Vorzeichen</translation>
    </message>
    <message>
        <location filename="../ui/KeyNames.cpp" line="184"/>
        <source>Signed 8-bit word</source>
        <translation>8-Bit-Wort mit Vorzeichen</translation>
    </message>
    <message>
        <location filename="../ui/KeyNames.cpp" line="185"/>
        <source>Unsigned 16-bit word</source>
        <translation>16-Bit-Wort ohne Vorzeichen</translation>
    </message>
    <message>
        <location filename="../ui/KeyNames.cpp" line="186"/>
        <source>Signed 16-bit word</source>
        <translation>16-Bit-Wort mit Vorzeichen</translation>
    </message>
    <message>
        <location filename="../ui/KeyNames.cpp" line="187"/>
        <source>Unsigned 32-bit word</source>
        <translation>32-Bit-Wort ohne Vorzeichen</translation>
    </message>
    <message>
        <location filename="../ui/KeyNames.cpp" line="188"/>
        <source>Signed 32-bit word</source>
        <translation>32-Bit-Wort mit Vorzeichen</translation>
    </message>
    <message>
        <location filename="../ui/KeyNames.cpp" line="189"/>
        <source>General format</source>
        <translation>Allgemeines Format</translation>
    </message>
    <message>
        <location filename="../ui/KeyNames.cpp" line="190"/>
        <source>Scientific format</source>
        <translation>Wissenschaftliches Format</translation>
    </message>
    <message>
        <location filename="../ui/KeyNames.cpp" line="191"/>
        <source>Engineering format</source>
        <translation>Technisches Format</translation>
    </message>
    <message>
        <location filename="../ui/KeyNames.cpp" line="192"/>
        <source>Floor</source>
        <translation>Abrunden</translation>
    </message>
    <message>
        <location filename="../ui/KeyNames.cpp" line="193"/>
        <source>Ceiling</source>
        <translation>Aufrunden</translation>
    </message>
    <message>
        <location filename="../ui/KeyNames.cpp" line="194"/>
        <source>Two&apos;s complement</source>
        <translation>Zweierkomplement</translation>
    </message>
    <message>
        <location filename="../ui/KeyNames.cpp" line="195"/>
        <source>Round into the word</source>
        <translation>In das Wort runden</translation>
    </message>
    <message>
        <location filename="../ui/KeyNames.cpp" line="196"/>
        <source>Integer plus</source>
        <translation>Plus (ganzzahlig)</translation>
    </message>
    <message>
        <location filename="../ui/KeyNames.cpp" line="197"/>
        <source>Integer minus</source>
        <translation>Minus (ganzzahlig)</translation>
    </message>
    <message>
        <location filename="../ui/KeyNames.cpp" line="198"/>
        <source>Integer multiply by</source>
        <translation>Mal (ganzzahlig)</translation>
    </message>
    <message>
        <location filename="../ui/KeyNames.cpp" line="199"/>
        <source>Integer divide by</source>
        <translation>Geteilt durch (ganzzahlig)</translation>
    </message>
    <message>
        <location filename="../ui/KeyNames.cpp" line="200"/>
        <source>Fixed format</source>
        <translation>Festkommaformat</translation>
    </message>
    <message>
        <location filename="../ui/KeyNames.cpp" line="201"/>
        <source>No operation</source>
        <translation>Keine Operation</translation>
    </message>
    <message>
        <location filename="../ui/KeyNames.cpp" line="202"/>
        <source>Unassigned user key</source>
        <translation>Nicht belegte Benutzertaste</translation>
    </message>
</context>
<context>
    <name>KeyReference</name>
    <message>
        <location filename="../ui/KeyReference.cpp" line="32"/>
        <source>Backspace</source>
        <translation>Rücktaste</translation>
    </message>
    <message>
        <location filename="../ui/KeyReference.cpp" line="33"/>
        <source>Delete</source>
        <translation>Entf</translation>
    </message>
    <message>
        <location filename="../ui/KeyReference.cpp" line="34"/>
        <source>Esc</source>
        <translation>Esc</translation>
    </message>
    <message>
        <location filename="../ui/KeyReference.cpp" line="35"/>
        <source>Return</source>
        <translation>Eingabe</translation>
    </message>
    <message>
        <location filename="../ui/KeyReference.cpp" line="47"/>
        <source>%1 (in decimal)</source>
        <translation>%1 (dezimal)</translation>
    </message>
    <message>
        <location filename="../ui/KeyReference.cpp" line="48"/>
        <source>%1 (outside decimal)</source>
        <translation>%1 (nicht dezimal)</translation>
    </message>
    <message>
        <location filename="../ui/KeyReference.cpp" line="49"/>
        <source>%1 (after EEX)</source>
        <translation>%1 (nach EEX)</translation>
    </message>
    <message>
        <location filename="../ui/KeyReference.cpp" line="115"/>
        <source>%1 or %2</source>
        <translation>%1 oder %2</translation>
    </message>
    <message>
        <location filename="../ui/KeyReference.cpp" line="123"/>
        <source>Unshifted: %1</source>
        <translation>Nicht umgeschaltet: %1</translation>
    </message>
    <message>
        <location filename="../ui/KeyReference.cpp" line="124"/>
        <source>Shifted: %1</source>
        <translation>Umgeschaltet: %1</translation>
    </message>
    <message>
        <location filename="../ui/KeyReference.cpp" line="128"/>
        <source>Keyboard: %1</source>
        <translation>Tastatur: %1</translation>
    </message>
    <message>
        <location filename="../ui/KeyReference.cpp" line="130"/>
        <source>Options › Keyboard assigns the user keys.</source>
        <translation>Unter Optionen › Tastatur werden die Benutzertasten belegt.</translation>
    </message>
    <message>
        <location filename="../ui/KeyReference.cpp" line="202"/>
        <source>Ctrl+Z</source>
        <translation>Strg+Z</translation>
    </message>
    <message>
        <location filename="../ui/KeyReference.cpp" line="202"/>
        <source>Undo</source>
        <translation>Rückgängig</translation>
    </message>
    <message>
        <location filename="../ui/KeyReference.cpp" line="203"/>
        <source>Ctrl+Y</source>
        <translation>Strg+Y</translation>
    </message>
    <message>
        <location filename="../ui/KeyReference.cpp" line="203"/>
        <source>Redo</source>
        <translation>Wiederherstellen</translation>
    </message>
    <message>
        <location filename="../ui/KeyReference.cpp" line="204"/>
        <source>Ctrl+C</source>
        <translation>Strg+C</translation>
    </message>
    <message>
        <location filename="../ui/KeyReference.cpp" line="204"/>
        <source>Copy X</source>
        <translation>X kopieren</translation>
    </message>
    <message>
        <location filename="../ui/KeyReference.cpp" line="205"/>
        <source>Ctrl+V</source>
        <translation>Strg+V</translation>
    </message>
    <message>
        <location filename="../ui/KeyReference.cpp" line="205"/>
        <source>Paste into X</source>
        <translation>In X einfügen</translation>
    </message>
    <message>
        <location filename="../ui/KeyReference.cpp" line="206"/>
        <source>Ctrl+Q</source>
        <translation>Strg+Q</translation>
    </message>
    <message>
        <location filename="../ui/KeyReference.cpp" line="206"/>
        <source>Quit</source>
        <translation>Beenden</translation>
    </message>
    <message>
        <location filename="../ui/KeyReference.cpp" line="207"/>
        <source>F1</source>
        <translation>F1</translation>
    </message>
    <message>
        <location filename="../ui/KeyReference.cpp" line="207"/>
        <source>User guide</source>
        <translation>Benutzerhandbuch</translation>
    </message>
    <message>
        <location filename="../ui/KeyReference.cpp" line="208"/>
        <source>Up</source>
        <translation>Pfeil nach oben</translation>
    </message>
    <message>
        <location filename="../ui/KeyReference.cpp" line="208"/>
        <source>Previous function</source>
        <translation>Vorherige Funktion</translation>
    </message>
    <message>
        <location filename="../ui/KeyReference.cpp" line="209"/>
        <source>Down</source>
        <translation>Pfeil nach unten</translation>
    </message>
    <message>
        <location filename="../ui/KeyReference.cpp" line="209"/>
        <source>Next function</source>
        <translation>Nächste Funktion</translation>
    </message>
    <message>
        <location filename="../ui/KeyReference.cpp" line="210"/>
        <source>Tab</source>
        <translation>Tab</translation>
    </message>
    <message>
        <location filename="../ui/KeyReference.cpp" line="210"/>
        <source>Into the keypad, and out again</source>
        <translation>In das Tastenfeld hinein und wieder hinaus</translation>
    </message>
    <message>
        <location filename="../ui/KeyReference.cpp" line="211"/>
        <source>Left or Right</source>
        <translation>Pfeil nach links oder rechts</translation>
    </message>
    <message>
        <location filename="../ui/KeyReference.cpp" line="212"/>
        <source>Move the focus from key to key</source>
        <translation>Den Fokus von Taste zu Taste bewegen</translation>
    </message>
    <message>
        <location filename="../ui/KeyReference.cpp" line="213"/>
        <source>Space</source>
        <translation>Leertaste</translation>
    </message>
    <message>
        <location filename="../ui/KeyReference.cpp" line="213"/>
        <source>Press the key with the focus</source>
        <translation>Die Taste mit dem Fokus drücken</translation>
    </message>
</context>
<context>
    <name>KeyboardDialog</name>
    <message>
        <location filename="../ui/dialogs/KeyboardDialog.cpp" line="171"/>
        <source>Customize Keyboard</source>
        <translation>Tastatur anpassen</translation>
    </message>
</context>
<context>
    <name>KeyboardPane</name>
    <message>
        <location filename="../ui/dialogs/KeyboardDialog.cpp" line="38"/>
        <source>User Keys:</source>
        <translation>Benutzertasten:</translation>
    </message>
    <message>
        <location filename="../ui/dialogs/KeyboardDialog.cpp" line="39"/>
        <source>Integer</source>
        <translation>Ganzzahlig</translation>
    </message>
    <message>
        <location filename="../ui/dialogs/KeyboardDialog.cpp" line="42"/>
        <location filename="../ui/dialogs/KeyboardDialog.cpp" line="62"/>
        <source>Shifted</source>
        <translation>Umgeschaltet</translation>
    </message>
    <message>
        <location filename="../ui/dialogs/KeyboardDialog.cpp" line="54"/>
        <source>Assignable Keys:</source>
        <translation>Belegbare Tasten:</translation>
    </message>
    <message>
        <location filename="../ui/dialogs/KeyboardDialog.cpp" line="75"/>
        <source>Clear</source>
        <translation>Leeren</translation>
    </message>
    <message>
        <location filename="../ui/dialogs/KeyboardDialog.cpp" line="79"/>
        <source>Copy</source>
        <translation>Kopieren</translation>
    </message>
</context>
<context>
    <name>KeysForm</name>
    <message>
        <location filename="../ui/dialogs/KeysForm.cpp" line="52"/>
        <source>Keys</source>
        <translation>Tasten</translation>
    </message>
    <message>
        <location filename="../ui/dialogs/KeysForm.cpp" line="59"/>
        <source>Key</source>
        <translation>Taste</translation>
    </message>
    <message>
        <location filename="../ui/dialogs/KeysForm.cpp" line="59"/>
        <source>Name</source>
        <translation>Name</translation>
    </message>
    <message>
        <location filename="../ui/dialogs/KeysForm.cpp" line="59"/>
        <source>Shifted</source>
        <translation>Umgeschaltet</translation>
    </message>
    <message>
        <location filename="../ui/dialogs/KeysForm.cpp" line="59"/>
        <location filename="../ui/dialogs/KeysForm.cpp" line="62"/>
        <location filename="../ui/dialogs/KeysForm.cpp" line="65"/>
        <source>Keyboard</source>
        <translation>Tastatur</translation>
    </message>
    <message>
        <location filename="../ui/dialogs/KeysForm.cpp" line="62"/>
        <source>Action</source>
        <translation>Aktion</translation>
    </message>
    <message>
        <location filename="../ui/dialogs/KeysForm.cpp" line="64"/>
        <source>Keypad</source>
        <translation>Tastenfeld</translation>
    </message>
    <message>
        <location filename="../ui/dialogs/KeysForm.cpp" line="88"/>
        <source>The keys of the %1 function in %2 input</source>
        <extracomment>%1 is the function (Standard, Financial...), %2 the input: RPN, precedence or simple.</extracomment>
        <translation>Die Tasten der Funktion „%1“ in der Eingabeart „%2“</translation>
    </message>
    <message>
        <location filename="../ui/dialogs/KeysForm.cpp" line="90"/>
        <source>RPN</source>
        <translation>UPN</translation>
    </message>
    <message>
        <location filename="../ui/dialogs/KeysForm.cpp" line="91"/>
        <source>precedence</source>
        <translation>Punkt vor Strich</translation>
    </message>
    <message>
        <location filename="../ui/dialogs/KeysForm.cpp" line="92"/>
        <source>simple</source>
        <translation>Einfach</translation>
    </message>
    <message>
        <location filename="../ui/dialogs/KeysForm.cpp" line="108"/>
        <source>%1 (%2)</source>
        <extracomment>The name of the shifted key, and its keyboard shortcut.</extracomment>
        <translation>%1 (%2)</translation>
    </message>
</context>
<context>
    <name>PreferencesDialog</name>
    <message>
        <location filename="../ui/dialogs/PreferencesDialog.cpp" line="13"/>
        <source>Preferences</source>
        <translation>Einstellungen</translation>
    </message>
</context>
<context>
    <name>PreferencesPane</name>
    <message>
        <location filename="../ui/dialogs/PreferencesPane.cpp" line="42"/>
        <source>General</source>
        <translation>Allgemein</translation>
    </message>
    <message>
        <location filename="../ui/dialogs/PreferencesPane.cpp" line="42"/>
        <source>Fixed</source>
        <translation>Festkomma</translation>
    </message>
    <message>
        <location filename="../ui/dialogs/PreferencesPane.cpp" line="42"/>
        <source>Scientific</source>
        <translation>Wissenschaftlich</translation>
    </message>
    <message>
        <location filename="../ui/dialogs/PreferencesPane.cpp" line="42"/>
        <source>Engineering</source>
        <translation>Technisch</translation>
    </message>
    <message>
        <location filename="../ui/dialogs/PreferencesPane.cpp" line="43"/>
        <source>All</source>
        <translation>Alle</translation>
    </message>
    <message>
        <location filename="../ui/dialogs/PreferencesPane.cpp" line="50"/>
        <source>Left</source>
        <translation>Links</translation>
    </message>
    <message>
        <location filename="../ui/dialogs/PreferencesPane.cpp" line="50"/>
        <source>Center</source>
        <translation>Mitte</translation>
    </message>
    <message>
        <location filename="../ui/dialogs/PreferencesPane.cpp" line="50"/>
        <source>Right</source>
        <translation>Rechts</translation>
    </message>
    <message>
        <location filename="../ui/dialogs/PreferencesPane.cpp" line="57"/>
        <source>Preferences</source>
        <translation>Einstellungen</translation>
    </message>
    <message>
        <location filename="../ui/dialogs/PreferencesPane.cpp" line="57"/>
        <source>Colors</source>
        <translation>Farben</translation>
    </message>
    <message>
        <location filename="../ui/dialogs/PreferencesPane.cpp" line="57"/>
        <source>Keyboard</source>
        <translation>Tastatur</translation>
    </message>
    <message>
        <location filename="../ui/dialogs/PreferencesPane.cpp" line="57"/>
        <source>RPN Stack</source>
        <translation>UPN-Stapel</translation>
    </message>
    <message>
        <location filename="../ui/dialogs/PreferencesPane.cpp" line="58"/>
        <source>User Registers</source>
        <translation>Benutzerregister</translation>
    </message>
    <message>
        <location filename="../ui/dialogs/PreferencesPane.cpp" line="58"/>
        <source>Tape</source>
        <translation>Rechenstreifen</translation>
    </message>
    <message>
        <location filename="../ui/dialogs/PreferencesPane.cpp" line="59"/>
        <source>8-bit unsigned</source>
        <translation>8 Bit ohne Vorzeichen</translation>
    </message>
    <message>
        <location filename="../ui/dialogs/PreferencesPane.cpp" line="59"/>
        <source>8-bit signed</source>
        <translation>8 Bit mit Vorzeichen</translation>
    </message>
    <message>
        <location filename="../ui/dialogs/PreferencesPane.cpp" line="59"/>
        <source>16-bit unsigned</source>
        <translation>16 Bit ohne Vorzeichen</translation>
    </message>
    <message>
        <location filename="../ui/dialogs/PreferencesPane.cpp" line="60"/>
        <source>16-bit signed</source>
        <translation>16 Bit mit Vorzeichen</translation>
    </message>
    <message>
        <location filename="../ui/dialogs/PreferencesPane.cpp" line="60"/>
        <source>32-bit unsigned</source>
        <translation>32 Bit ohne Vorzeichen</translation>
    </message>
    <message>
        <location filename="../ui/dialogs/PreferencesPane.cpp" line="60"/>
        <source>32-bit signed</source>
        <translation>32 Bit mit Vorzeichen</translation>
    </message>
    <message>
        <location filename="../ui/dialogs/PreferencesPane.cpp" line="61"/>
        <source>Simple</source>
        <translation>Einfach</translation>
    </message>
    <message>
        <location filename="../ui/dialogs/PreferencesPane.cpp" line="61"/>
        <source>Precedence</source>
        <translation>Punkt vor Strich</translation>
    </message>
    <message>
        <location filename="../ui/dialogs/PreferencesPane.cpp" line="61"/>
        <source>RPN</source>
        <translation>UPN</translation>
    </message>
    <message>
        <location filename="../ui/dialogs/PreferencesPane.cpp" line="62"/>
        <source>4</source>
        <translation>4</translation>
    </message>
    <message>
        <location filename="../ui/dialogs/PreferencesPane.cpp" line="62"/>
        <source>8</source>
        <translation>8</translation>
    </message>
    <message>
        <location filename="../ui/dialogs/PreferencesPane.cpp" line="62"/>
        <source>12</source>
        <translation>12</translation>
    </message>
    <message>
        <location filename="../ui/dialogs/PreferencesPane.cpp" line="62"/>
        <source>16</source>
        <translation>16</translation>
    </message>
    <message>
        <location filename="../ui/dialogs/PreferencesPane.cpp" line="62"/>
        <source>20</source>
        <translation>20</translation>
    </message>
    <message>
        <location filename="../ui/dialogs/PreferencesPane.cpp" line="64"/>
        <source>Quick Switch</source>
        <translation>Schnellwahl</translation>
    </message>
    <message>
        <location filename="../ui/dialogs/PreferencesPane.cpp" line="65"/>
        <source>100 Registers</source>
        <translation>100 Register</translation>
    </message>
    <message>
        <location filename="../ui/dialogs/PreferencesPane.cpp" line="66"/>
        <source>Sticky Shift</source>
        <translation>Umschalten rastet ein</translation>
    </message>
    <message>
        <location filename="../ui/dialogs/PreferencesPane.cpp" line="67"/>
        <source>2-line Display</source>
        <translation>Zweizeilige Anzeige</translation>
    </message>
    <message>
        <location filename="../ui/dialogs/PreferencesPane.cpp" line="68"/>
        <source>Comma Radix</source>
        <translation>Dezimalkomma</translation>
    </message>
    <message>
        <location filename="../ui/dialogs/PreferencesPane.cpp" line="70"/>
        <source>Format:</source>
        <translation>Format:</translation>
    </message>
    <message>
        <location filename="../ui/dialogs/PreferencesPane.cpp" line="73"/>
        <source>Display:</source>
        <translation>Anzeige:</translation>
    </message>
    <message>
        <location filename="../ui/dialogs/PreferencesPane.cpp" line="77"/>
        <source>Integer:</source>
        <translation>Ganzzahl:</translation>
    </message>
    <message>
        <location filename="../ui/dialogs/PreferencesPane.cpp" line="79"/>
        <source>Input:</source>
        <translation>Eingabe:</translation>
    </message>
    <message>
        <location filename="../ui/dialogs/PreferencesPane.cpp" line="81"/>
        <source>Stack:</source>
        <translation>Stapel:</translation>
    </message>
</context>
<context>
    <name>RpnStackForm</name>
    <message>
        <location filename="../ui/dialogs/RpnStackForm.cpp" line="73"/>
        <source>RPN Stack</source>
        <translation>UPN-Stapel</translation>
    </message>
</context>
<context>
    <name>Startup</name>
    <message>
        <location filename="../ui/Startup.cpp" line="25"/>
        <source>Input Method</source>
        <translation>Eingabemethode</translation>
    </message>
    <message>
        <location filename="../ui/Startup.cpp" line="26"/>
        <source>Tovrin is capable of
performing RPN
calculations, but does
not do so by default.

This setting can be
changed at any time in
the Preferences dialog.</source>
        <translation>Tovrin kann in UPN
rechnen, tut dies
standardmäßig aber nicht.

Diese Einstellung lässt
sich jederzeit im Dialog
„Einstellungen“ ändern.</translation>
    </message>
    <message>
        <location filename="../ui/Startup.cpp" line="28"/>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <location filename="../ui/Startup.cpp" line="29"/>
        <source>Enable RPN</source>
        <translation>UPN einschalten</translation>
    </message>
    <message>
        <location filename="../ui/Startup.cpp" line="58"/>
        <source>Tovrin could not save its state
in the settings file
%1.

The changes of this session are lost.</source>
        <translation>Tovrin konnte seinen Zustand
nicht in der Einstellungsdatei
%1
speichern.

Die Änderungen dieser Sitzung gehen verloren.</translation>
    </message>
    <message>
        <location filename="../ui/Startup.cpp" line="62"/>
        <location filename="../ui/Startup.cpp" line="86"/>
        <source>Tovrin</source>
        <translation>Tovrin</translation>
    </message>
    <message>
        <location filename="../ui/Startup.cpp" line="72"/>
        <source>Tovrin could not read all of its settings file
%1.

What could be read was loaded.</source>
        <translation>Tovrin konnte seine Einstellungsdatei
%1
nicht vollständig lesen.

Was gelesen werden konnte, wurde geladen.</translation>
    </message>
    <message>
        <location filename="../ui/Startup.cpp" line="76"/>
        <source> The file as it was is kept as
%1.</source>
        <translation> Die unveränderte Datei ist gesichert als
%1.</translation>
    </message>
    <message>
        <location filename="../ui/Startup.cpp" line="78"/>
        <source> No copy of the file as it was could be kept.</source>
        <translation> Eine Kopie der unveränderten Datei konnte nicht angelegt werden.</translation>
    </message>
</context>
<context>
    <name>TapeForm</name>
    <message>
        <location filename="../ui/dialogs/TapeForm.cpp" line="94"/>
        <source>Tape</source>
        <translation>Rechenstreifen</translation>
    </message>
    <message>
        <location filename="../ui/dialogs/TapeForm.cpp" line="113"/>
        <source>Copy</source>
        <translation>Kopieren</translation>
    </message>
    <message>
        <location filename="../ui/dialogs/TapeForm.cpp" line="114"/>
        <source>Copy All</source>
        <translation>Alles kopieren</translation>
    </message>
    <message>
        <location filename="../ui/dialogs/TapeForm.cpp" line="115"/>
        <source>Clear</source>
        <translation>Leeren</translation>
    </message>
    <message>
        <location filename="../ui/dialogs/TapeForm.cpp" line="116"/>
        <source>Save...</source>
        <translation>Speichern...</translation>
    </message>
    <message>
        <location filename="../ui/dialogs/TapeForm.cpp" line="223"/>
        <source>Plain text (*.txt)</source>
        <translation>Reiner Text (*.txt)</translation>
    </message>
    <message>
        <location filename="../ui/dialogs/TapeForm.cpp" line="223"/>
        <source>CSV (*.csv)</source>
        <translation>CSV (*.csv)</translation>
    </message>
    <message>
        <location filename="../ui/dialogs/TapeForm.cpp" line="225"/>
        <location filename="../ui/dialogs/TapeForm.cpp" line="232"/>
        <source>Save Tape</source>
        <translation>Rechenstreifen speichern</translation>
    </message>
    <message>
        <location filename="../ui/dialogs/TapeForm.cpp" line="225"/>
        <source>tape.txt</source>
        <translation>rechenstreifen.txt</translation>
    </message>
    <message>
        <location filename="../ui/dialogs/TapeForm.cpp" line="232"/>
        <source>The tape could not be saved to %1.</source>
        <translation>Der Rechenstreifen konnte nicht in %1 gespeichert werden.</translation>
    </message>
</context>
<context>
    <name>UserGuideForm</name>
    <message>
        <location filename="../ui/dialogs/UserGuideForm.cpp" line="25"/>
        <source>Tovrin User Guide</source>
        <translation>Tovrin-Benutzerhandbuch</translation>
    </message>
    <message>
        <location filename="../ui/dialogs/UserGuideForm.cpp" line="37"/>
        <source>Navigation</source>
        <translation>Navigation</translation>
    </message>
    <message>
        <location filename="../ui/dialogs/UserGuideForm.cpp" line="39"/>
        <source>Back</source>
        <translation>Zurück</translation>
    </message>
    <message>
        <location filename="../ui/dialogs/UserGuideForm.cpp" line="43"/>
        <source>Contents</source>
        <translation>Inhalt</translation>
    </message>
</context>
<context>
    <name>UserRegistersDisplay</name>
    <message>
        <location filename="../ui/dialogs/UserRegistersForm.cpp" line="42"/>
        <source>Register %1</source>
        <translation>Register %1</translation>
    </message>
</context>
<context>
    <name>UserRegistersForm</name>
    <message>
        <location filename="../ui/dialogs/UserRegistersForm.cpp" line="99"/>
        <source>User Registers</source>
        <translation>Benutzerregister</translation>
    </message>
    <message>
        <location filename="../ui/dialogs/UserRegistersForm.cpp" line="127"/>
        <source>Group %1</source>
        <translation>Gruppe %1</translation>
    </message>
</context>
</TS>
