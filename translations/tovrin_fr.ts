<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr">
<context>
    <name>AboutForm</name>
    <message>
        <location filename="../ui/dialogs/AboutForm.cpp" line="28"/>
        <source>About Tovrin</source>
        <translation>À propos de Tovrin</translation>
    </message>
    <message>
        <location filename="../ui/dialogs/AboutForm.cpp" line="44"/>
        <source>Tovrin
Version %1

A pocket calculator for the desktop.
Copyright © The Tovrin developers</source>
        <translation>Tovrin
Version %1

Une calculatrice de poche pour le bureau.
Copyright © Les développeurs de Tovrin</translation>
    </message>
</context>
<context>
    <name>Accessibility</name>
    <message>
        <location filename="../ui/Accessibility.cpp" line="142"/>
        <source>Keypad</source>
        <translation>Pavé de touches</translation>
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
        <translation>Finance</translation>
    </message>
    <message>
        <location filename="../ui/FunctionNames.cpp" line="13"/>
        <source>Scientific</source>
        <translation>Scientifique</translation>
    </message>
    <message>
        <location filename="../ui/FunctionNames.cpp" line="13"/>
        <source>Statistical</source>
        <translation>Statistiques</translation>
    </message>
    <message>
        <location filename="../ui/FunctionNames.cpp" line="14"/>
        <source>Programmer</source>
        <translation>Programmeur</translation>
    </message>
    <message>
        <location filename="../ui/FunctionNames.cpp" line="14"/>
        <source>Conversion</source>
        <translation>Conversion</translation>
    </message>
    <message>
        <location filename="../ui/FunctionNames.cpp" line="15"/>
        <source>User</source>
        <translation>Utilisateur</translation>
    </message>
    <message>
        <location filename="../ui/CalculatorForm.cpp" line="82"/>
        <source>Tovrin</source>
        <translation>Tovrin</translation>
    </message>
    <message>
        <location filename="../ui/CalculatorForm.cpp" line="164"/>
        <source>Calculator</source>
        <translation>Calculatrice</translation>
    </message>
    <message>
        <location filename="../ui/CalculatorForm.cpp" line="165"/>
        <source>Edit</source>
        <translation>Édition</translation>
    </message>
    <message>
        <location filename="../ui/CalculatorForm.cpp" line="166"/>
        <source>Options</source>
        <translation>Options</translation>
    </message>
    <message>
        <location filename="../ui/CalculatorForm.cpp" line="167"/>
        <source>Help</source>
        <translation>Aide</translation>
    </message>
    <message>
        <location filename="../ui/CalculatorForm.cpp" line="169"/>
        <source>RPN Stack...</source>
        <translation>Pile RPN...</translation>
    </message>
    <message>
        <location filename="../ui/CalculatorForm.cpp" line="170"/>
        <source>User Registers...</source>
        <translation>Registres utilisateur...</translation>
    </message>
    <message>
        <location filename="../ui/CalculatorForm.cpp" line="172"/>
        <source>Tape...</source>
        <translation>Bande papier...</translation>
    </message>
    <message>
        <location filename="../ui/CalculatorForm.cpp" line="174"/>
        <source>Quit</source>
        <translation>Quitter</translation>
    </message>
    <message>
        <location filename="../ui/CalculatorForm.cpp" line="179"/>
        <source>Undo</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <location filename="../ui/CalculatorForm.cpp" line="180"/>
        <source>Redo</source>
        <translation>Rétablir</translation>
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
        <translation>Copier</translation>
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
        <translation>Coller</translation>
    </message>
    <message>
        <location filename="../ui/CalculatorForm.cpp" line="193"/>
        <source>Preferences...</source>
        <translation>Préférences...</translation>
    </message>
    <message>
        <location filename="../ui/CalculatorForm.cpp" line="195"/>
        <source>Colors...</source>
        <translation>Couleurs...</translation>
    </message>
    <message>
        <location filename="../ui/CalculatorForm.cpp" line="196"/>
        <source>Keyboard...</source>
        <translation>Clavier...</translation>
    </message>
    <message>
        <location filename="../ui/CalculatorForm.cpp" line="198"/>
        <source>User Guide</source>
        <translation>Guide de l’utilisateur</translation>
    </message>
    <message>
        <location filename="../ui/CalculatorForm.cpp" line="199"/>
        <source>Keys</source>
        <translation>Touches</translation>
    </message>
    <message>
        <location filename="../ui/CalculatorForm.cpp" line="201"/>
        <source>About Tovrin...</source>
        <translation>À propos de Tovrin...</translation>
    </message>
    <message>
        <location filename="../ui/CalculatorForm.cpp" line="419"/>
        <source>Nothing to Undo</source>
        <translation>Rien à annuler</translation>
    </message>
    <message>
        <location filename="../ui/CalculatorForm.cpp" line="419"/>
        <source>There are no
operations to be
undone.</source>
        <translation>Il n’y a aucune
opération à
annuler.</translation>
    </message>
    <message>
        <location filename="../ui/CalculatorForm.cpp" line="429"/>
        <source>Nothing to Redo</source>
        <translation>Rien à rétablir</translation>
    </message>
    <message>
        <location filename="../ui/CalculatorForm.cpp" line="430"/>
        <source>There are no undo
actions to be redone.</source>
        <translation>Il n’y a aucune
opération annulée
à rétablir.</translation>
    </message>
    <message>
        <location filename="../ui/CalculatorForm.cpp" line="471"/>
        <source>Clear All</source>
        <translation>Tout effacer</translation>
    </message>
    <message>
        <location filename="../ui/CalculatorForm.cpp" line="472"/>
        <source>This operation will
clear the operating
stack and all user,
financial, and
statistical registers.</source>
        <translation>Cette opération efface
la pile de calcul et
tous les registres
utilisateur, financiers
et statistiques.</translation>
    </message>
    <message>
        <location filename="../ui/CalculatorForm.cpp" line="474"/>
        <source>Clear</source>
        <translation>Effacer</translation>
    </message>
    <message>
        <location filename="../ui/CalculatorForm.cpp" line="474"/>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <location filename="../ui/ClipboardText.cpp" line="62"/>
        <source>Not pasted: the number is too large.</source>
        <translation>Non collé&#xa0;: le nombre est trop grand.</translation>
    </message>
    <message>
        <location filename="../ui/ClipboardText.cpp" line="64"/>
        <source>Not pasted: the number does not fit the %1 word.</source>
        <translation>Non collé&#xa0;: le nombre ne tient pas dans le mot %1.</translation>
    </message>
    <message>
        <location filename="../ui/ClipboardText.cpp" line="67"/>
        <source>Not pasted: the clipboard holds no single number.</source>
        <translation>Non collé&#xa0;: le presse-papiers ne contient pas exactement un nombre.</translation>
    </message>
</context>
<context>
    <name>ColorDialog</name>
    <message>
        <location filename="../ui/dialogs/ColorDialog.cpp" line="35"/>
        <source>Color Chooser</source>
        <translation>Sélecteur de couleur</translation>
    </message>
    <message>
        <location filename="../ui/dialogs/ColorDialog.cpp" line="48"/>
        <source>Red:</source>
        <translation>Rouge&#xa0;:</translation>
    </message>
    <message>
        <location filename="../ui/dialogs/ColorDialog.cpp" line="48"/>
        <source>Green:</source>
        <translation>Vert&#xa0;:</translation>
    </message>
    <message>
        <location filename="../ui/dialogs/ColorDialog.cpp" line="48"/>
        <source>Blue:</source>
        <translation>Bleu&#xa0;:</translation>
    </message>
</context>
<context>
    <name>ColorsDialog</name>
    <message>
        <location filename="../ui/dialogs/ColorsDialog.cpp" line="140"/>
        <source>Customize Colors</source>
        <translation>Personnaliser les couleurs</translation>
    </message>
</context>
<context>
    <name>ColorsPane</name>
    <message>
        <location filename="../ui/dialogs/ColorsDialog.cpp" line="53"/>
        <source>Text</source>
        <translation>Texte</translation>
    </message>
    <message>
        <location filename="../ui/dialogs/ColorsDialog.cpp" line="54"/>
        <source>Background</source>
        <translation>Fond</translation>
    </message>
    <message>
        <location filename="../ui/dialogs/ColorsDialog.cpp" line="57"/>
        <source>Display:</source>
        <translation>Affichage&#xa0;:</translation>
    </message>
    <message>
        <location filename="../ui/dialogs/ColorsDialog.cpp" line="57"/>
        <source>Standard:</source>
        <translation>Standard&#xa0;:</translation>
    </message>
    <message>
        <location filename="../ui/dialogs/ColorsDialog.cpp" line="57"/>
        <source>Number:</source>
        <translation>Chiffres&#xa0;:</translation>
    </message>
    <message>
        <location filename="../ui/dialogs/ColorsDialog.cpp" line="58"/>
        <source>Register:</source>
        <translation>Registres&#xa0;:</translation>
    </message>
    <message>
        <location filename="../ui/dialogs/ColorsDialog.cpp" line="58"/>
        <source>Clear:</source>
        <translation>Effacement&#xa0;:</translation>
    </message>
    <message>
        <location filename="../ui/dialogs/ColorsDialog.cpp" line="58"/>
        <source>Dialog:</source>
        <translation>Dialogue&#xa0;:</translation>
    </message>
    <message>
        <location filename="../ui/dialogs/ColorsDialog.cpp" line="77"/>
        <source>Default</source>
        <translation>Couleurs par défaut</translation>
    </message>
</context>
<context>
    <name>KeyNames</name>
    <message>
        <location filename="../ui/KeyNames.cpp" line="16"/>
        <source>Zero</source>
        <translation>Zéro</translation>
    </message>
    <message>
        <location filename="../ui/KeyNames.cpp" line="17"/>
        <source>One</source>
        <translation>Un</translation>
    </message>
    <message>
        <location filename="../ui/KeyNames.cpp" line="18"/>
        <source>Two</source>
        <translation>Deux</translation>
    </message>
    <message>
        <location filename="../ui/KeyNames.cpp" line="19"/>
        <source>Three</source>
        <translation>Trois</translation>
    </message>
    <message>
        <location filename="../ui/KeyNames.cpp" line="20"/>
        <source>Four</source>
        <translation>Quatre</translation>
    </message>
    <message>
        <location filename="../ui/KeyNames.cpp" line="21"/>
        <source>Five</source>
        <translation>Cinq</translation>
    </message>
    <message>
        <location filename="../ui/KeyNames.cpp" line="22"/>
        <source>Six</source>
        <translation>Six</translation>
    </message>
    <message>
        <location filename="../ui/KeyNames.cpp" line="23"/>
        <source>Seven</source>
        <translation>Sept</translation>
    </message>
    <message>
        <location filename="../ui/KeyNames.cpp" line="24"/>
        <source>Eight</source>
        <translation>Huit</translation>
    </message>
    <message>
        <location filename="../ui/KeyNames.cpp" line="25"/>
        <source>Nine</source>
        <translation>Neuf</translation>
    </message>
    <message>
        <location filename="../ui/KeyNames.cpp" line="26"/>
        <source>Hexadecimal digit A</source>
        <translation>Chiffre hexadécimal A</translation>
    </message>
    <message>
        <location filename="../ui/KeyNames.cpp" line="27"/>
        <source>Hexadecimal digit B</source>
        <translation>Chiffre hexadécimal B</translation>
    </message>
    <message>
        <location filename="../ui/KeyNames.cpp" line="28"/>
        <source>Hexadecimal digit C</source>
        <translation>Chiffre hexadécimal C</translation>
    </message>
    <message>
        <location filename="../ui/KeyNames.cpp" line="29"/>
        <source>Hexadecimal digit D</source>
        <translation>Chiffre hexadécimal D</translation>
    </message>
    <message>
        <location filename="../ui/KeyNames.cpp" line="30"/>
        <source>Hexadecimal digit E</source>
        <translation>Chiffre hexadécimal E</translation>
    </message>
    <message>
        <location filename="../ui/KeyNames.cpp" line="31"/>
        <source>Hexadecimal digit F</source>
        <translation>Chiffre hexadécimal F</translation>
    </message>
    <message>
        <location filename="../ui/KeyNames.cpp" line="32"/>
        <source>Decimal point</source>
        <translation>Point décimal</translation>
    </message>
    <message>
        <location filename="../ui/KeyNames.cpp" line="33"/>
        <source>Decimal comma</source>
        <translation>Virgule décimale</translation>
    </message>
    <message>
        <location filename="../ui/KeyNames.cpp" line="34"/>
        <source>Enter exponent</source>
        <translation>Saisir l’exposant</translation>
    </message>
    <message>
        <location filename="../ui/KeyNames.cpp" line="35"/>
        <source>Change sign</source>
        <translation>Changer de signe</translation>
    </message>
    <message>
        <location filename="../ui/KeyNames.cpp" line="36"/>
        <source>Backspace</source>
        <translation>Retour arrière</translation>
    </message>
    <message>
        <location filename="../ui/KeyNames.cpp" line="37"/>
        <source>Enter</source>
        <translation>Entrée</translation>
    </message>
    <message>
        <location filename="../ui/KeyNames.cpp" line="38"/>
        <source>Plus</source>
        <translation>Plus</translation>
    </message>
    <message>
        <location filename="../ui/KeyNames.cpp" line="39"/>
        <source>Minus</source>
        <translation>Moins</translation>
    </message>
    <message>
        <location filename="../ui/KeyNames.cpp" line="40"/>
        <source>Multiply by</source>
        <translation>Multiplier par</translation>
    </message>
    <message>
        <location filename="../ui/KeyNames.cpp" line="41"/>
        <source>Divide by</source>
        <translation>Diviser par</translation>
    </message>
    <message>
        <location filename="../ui/KeyNames.cpp" line="42"/>
        <source>Equals</source>
        <translation>Égal</translation>
    </message>
    <message>
        <location filename="../ui/KeyNames.cpp" line="43"/>
        <source>Shift</source>
        <translation>Maj</translation>
    </message>
    <message>
        <location filename="../ui/KeyNames.cpp" line="44"/>
        <source>Show all digits</source>
        <translation>Afficher tous les chiffres</translation>
    </message>
    <message>
        <location filename="../ui/KeyNames.cpp" line="45"/>
        <location filename="../ui/KeyNames.cpp" line="48"/>
        <source>Clear all</source>
        <translation>Tout effacer</translation>
    </message>
    <message>
        <location filename="../ui/KeyNames.cpp" line="46"/>
        <source>Clear</source>
        <translation>Effacer</translation>
    </message>
    <message>
        <location filename="../ui/KeyNames.cpp" line="47"/>
        <source>Clear entry</source>
        <translation>Effacer la saisie</translation>
    </message>
    <message>
        <location filename="../ui/KeyNames.cpp" line="49"/>
        <source>Clear stack</source>
        <translation>Effacer la pile</translation>
    </message>
    <message>
        <location filename="../ui/KeyNames.cpp" line="50"/>
        <source>Clear X</source>
        <translation>Effacer X</translation>
    </message>
    <message>
        <location filename="../ui/KeyNames.cpp" line="51"/>
        <source>Clear all registers</source>
        <translation>Effacer tous les registres</translation>
    </message>
    <message>
        <location filename="../ui/KeyNames.cpp" line="52"/>
        <source>Clear financial registers</source>
        <translation>Effacer les registres financiers</translation>
    </message>
    <message>
        <location filename="../ui/KeyNames.cpp" line="53"/>
        <source>Clear statistics</source>
        <translation>Effacer les statistiques</translation>
    </message>
    <message>
        <location filename="../ui/KeyNames.cpp" line="54"/>
        <source>Roll stack down</source>
        <translation>Rouler la pile vers le bas</translation>
    </message>
    <message>
        <location filename="../ui/KeyNames.cpp" line="55"/>
        <source>Roll stack up</source>
        <translation>Rouler la pile vers le haut</translation>
    </message>
    <message>
        <location filename="../ui/KeyNames.cpp" line="56"/>
        <source>Drop X</source>
        <translation>Retirer X</translation>
    </message>
    <message>
        <location filename="../ui/KeyNames.cpp" line="57"/>
        <source>Fill stack with X</source>
        <translation>Remplir la pile avec X</translation>
    </message>
    <message>
        <location filename="../ui/KeyNames.cpp" line="58"/>
        <source>Exchange X and Y</source>
        <translation>Échanger X et Y</translation>
    </message>
    <message>
        <location filename="../ui/KeyNames.cpp" line="59"/>
        <source>Exchange X with register</source>
        <translation>Échanger X avec un registre</translation>
    </message>
    <message>
        <location filename="../ui/KeyNames.cpp" line="60"/>
        <source>Last X</source>
        <translation>Dernier X</translation>
    </message>
    <message>
        <location filename="../ui/KeyNames.cpp" line="61"/>
        <source>Store in register</source>
        <translation>Stocker dans un registre</translation>
    </message>
    <message>
        <location filename="../ui/KeyNames.cpp" line="62"/>
        <source>Recall register</source>
        <translation>Rappeler un registre</translation>
    </message>
    <message>
        <location filename="../ui/KeyNames.cpp" line="63"/>
        <source>Open parenthesis</source>
        <translation>Parenthèse ouvrante</translation>
    </message>
    <message>
        <location filename="../ui/KeyNames.cpp" line="64"/>
        <source>Close parenthesis</source>
        <translation>Parenthèse fermante</translation>
    </message>
    <message>
        <location filename="../ui/KeyNames.cpp" line="65"/>
        <source>Memory clear</source>
        <translation>Effacer la mémoire</translation>
    </message>
    <message>
        <location filename="../ui/KeyNames.cpp" line="66"/>
        <source>Memory add</source>
        <translation>Ajouter à la mémoire</translation>
    </message>
    <message>
        <location filename="../ui/KeyNames.cpp" line="67"/>
        <source>Memory subtract</source>
        <translation>Soustraire de la mémoire</translation>
    </message>
    <message>
        <location filename="../ui/KeyNames.cpp" line="68"/>
        <source>Memory store</source>
        <translation>Mettre en mémoire</translation>
    </message>
    <message>
        <location filename="../ui/KeyNames.cpp" line="69"/>
        <source>Memory recall</source>
        <translation>Rappeler la mémoire</translation>
    </message>
    <message>
        <location filename="../ui/KeyNames.cpp" line="70"/>
        <source>Percent of total</source>
        <translation>Pourcentage du total</translation>
    </message>
    <message>
        <location filename="../ui/KeyNames.cpp" line="71"/>
        <source>Percent change</source>
        <translation>Variation en pourcentage</translation>
    </message>
    <message>
        <location filename="../ui/KeyNames.cpp" line="72"/>
        <source>Percent</source>
        <translation>Pourcentage</translation>
    </message>
    <message>
        <location filename="../ui/KeyNames.cpp" line="73"/>
        <source>Round to the display</source>
        <translation>Arrondir à l’affichage</translation>
    </message>
    <message>
        <location filename="../ui/KeyNames.cpp" line="74"/>
        <source>Integer part</source>
        <translation>Partie entière</translation>
    </message>
    <message>
        <location filename="../ui/KeyNames.cpp" line="75"/>
        <source>Absolute value</source>
        <translation>Valeur absolue</translation>
    </message>
    <message>
        <location filename="../ui/KeyNames.cpp" line="76"/>
        <source>Square root</source>
        <translation>Racine carrée</translation>
    </message>
    <message>
        <location filename="../ui/KeyNames.cpp" line="77"/>
        <source>Square</source>
        <translation>Carré</translation>
    </message>
    <message>
        <location filename="../ui/KeyNames.cpp" line="78"/>
        <source>Cube root</source>
        <translation>Racine cubique</translation>
    </message>
    <message>
        <location filename="../ui/KeyNames.cpp" line="79"/>
        <source>Cube</source>
        <translation>Cube</translation>
    </message>
    <message>
        <location filename="../ui/KeyNames.cpp" line="80"/>
        <source>Y to the power X</source>
        <translation>Y puissance X</translation>
    </message>
    <message>
        <location filename="../ui/KeyNames.cpp" line="81"/>
        <source>Reciprocal</source>
        <translation>Inverse</translation>
    </message>
    <message>
        <location filename="../ui/KeyNames.cpp" line="82"/>
        <source>Fractional part</source>
        <translation>Partie fractionnaire</translation>
    </message>
    <message>
        <location filename="../ui/KeyNames.cpp" line="83"/>
        <source>Modulo</source>
        <translation>Modulo</translation>
    </message>
    <message>
        <location filename="../ui/KeyNames.cpp" line="84"/>
        <source>Payments at the beginning of periods</source>
        <translation>Versements en début de période</translation>
    </message>
    <message>
        <location filename="../ui/KeyNames.cpp" line="85"/>
        <source>Number of periods</source>
        <translation>Nombre de périodes</translation>
    </message>
    <message>
        <location filename="../ui/KeyNames.cpp" line="86"/>
        <source>Interest rate per year</source>
        <translation>Taux d’intérêt annuel</translation>
    </message>
    <message>
        <location filename="../ui/KeyNames.cpp" line="87"/>
        <source>Present value</source>
        <translation>Valeur actuelle</translation>
    </message>
    <message>
        <location filename="../ui/KeyNames.cpp" line="88"/>
        <source>Payment</source>
        <translation>Versement</translation>
    </message>
    <message>
        <location filename="../ui/KeyNames.cpp" line="89"/>
        <source>Future value</source>
        <translation>Valeur future</translation>
    </message>
    <message>
        <location filename="../ui/KeyNames.cpp" line="90"/>
        <source>Payments per year</source>
        <translation>Versements par an</translation>
    </message>
    <message>
        <location filename="../ui/KeyNames.cpp" line="91"/>
        <source>Nominal interest rate</source>
        <translation>Taux d’intérêt nominal</translation>
    </message>
    <message>
        <location filename="../ui/KeyNames.cpp" line="92"/>
        <source>Effective interest rate</source>
        <translation>Taux d’intérêt effectif</translation>
    </message>
    <message>
        <location filename="../ui/KeyNames.cpp" line="93"/>
        <source>Multiply by payments per year</source>
        <translation>Multiplier par le nombre de versements par an</translation>
    </message>
    <message>
        <location filename="../ui/KeyNames.cpp" line="94"/>
        <source>Divide by payments per year</source>
        <translation>Diviser par le nombre de versements par an</translation>
    </message>
    <message>
        <location filename="../ui/KeyNames.cpp" line="95"/>
        <source>Cost</source>
        <translation>Coût</translation>
    </message>
    <message>
        <location filename="../ui/KeyNames.cpp" line="96"/>
        <source>Price</source>
        <translation>Prix</translation>
    </message>
    <message>
        <location filename="../ui/KeyNames.cpp" line="97"/>
        <source>Margin</source>
        <translation>Marge</translation>
    </message>
    <message>
        <location filename="../ui/KeyNames.cpp" line="98"/>
        <source>Markup on cost</source>
        <translation>Majoration sur le coût</translation>
    </message>
    <message>
        <location filename="../ui/KeyNames.cpp" line="99"/>
        <source>Amortize</source>
        <translation>Amortir</translation>
    </message>
    <message>
        <location filename="../ui/KeyNames.cpp" line="100"/>
        <source>Amortize the next payments</source>
        <translation>Amortir les versements suivants</translation>
    </message>
    <message>
        <location filename="../ui/KeyNames.cpp" line="101"/>
        <source>Cash flow</source>
        <translation>Flux de trésorerie</translation>
    </message>
    <message>
        <location filename="../ui/KeyNames.cpp" line="102"/>
        <source>Times the cash flow occurs</source>
        <translation>Nombre de répétitions du flux</translation>
    </message>
    <message>
        <location filename="../ui/KeyNames.cpp" line="103"/>
        <source>Net present value</source>
        <translation>Valeur actuelle nette</translation>
    </message>
    <message>
        <location filename="../ui/KeyNames.cpp" line="104"/>
        <source>Internal rate of return</source>
        <translation>Taux de rentabilité interne</translation>
    </message>
    <message>
        <location filename="../ui/KeyNames.cpp" line="105"/>
        <source>Sine</source>
        <translation>Sinus</translation>
    </message>
    <message>
        <location filename="../ui/KeyNames.cpp" line="106"/>
        <source>Cosine</source>
        <translation>Cosinus</translation>
    </message>
    <message>
        <location filename="../ui/KeyNames.cpp" line="107"/>
        <source>Tangent</source>
        <translation>Tangente</translation>
    </message>
    <message>
        <location filename="../ui/KeyNames.cpp" line="108"/>
        <source>Arc sine</source>
        <translation>Arc sinus</translation>
    </message>
    <message>
        <location filename="../ui/KeyNames.cpp" line="109"/>
        <source>Arc cosine</source>
        <translation>Arc cosinus</translation>
    </message>
    <message>
        <location filename="../ui/KeyNames.cpp" line="110"/>
        <source>Arc tangent</source>
        <translation>Arc tangente</translation>
    </message>
    <message>
        <location filename="../ui/KeyNames.cpp" line="111"/>
        <source>Pi</source>
        <translation>Pi</translation>
    </message>
    <message>
        <location filename="../ui/KeyNames.cpp" line="112"/>
        <source>Hyperbolic function</source>
        <translation>Fonction hyperbolique</translation>
    </message>
    <message>
        <location filename="../ui/KeyNames.cpp" line="113"/>
        <source>Natural logarithm</source>
        <translation>Logarithme népérien</translation>
    </message>
    <message>
        <location filename="../ui/KeyNames.cpp" line="114"/>
        <source>Common logarithm</source>
        <translation>Logarithme décimal</translation>
    </message>
    <message>
        <location filename="../ui/KeyNames.cpp" line="115"/>
        <source>E to the power X</source>
        <translation>e puissance X</translation>
    </message>
    <message>
        <location filename="../ui/KeyNames.cpp" line="116"/>
        <source>10 to the power X</source>
        <translation>10 puissance X</translation>
    </message>
    <message>
        <location filename="../ui/KeyNames.cpp" line="117"/>
        <source>Angles in degrees</source>
        <translation>Angles en degrés</translation>
    </message>
    <message>
        <location filename="../ui/KeyNames.cpp" line="118"/>
        <source>Angles in radians</source>
        <translation>Angles en radians</translation>
    </message>
    <message>
        <location filename="../ui/KeyNames.cpp" line="119"/>
        <source>Angles in grads</source>
        <translation>Angles en grades</translation>
    </message>
    <message>
        <location filename="../ui/KeyNames.cpp" line="120"/>
        <source>Radians to degrees</source>
        <translation>Radians en degrés</translation>
    </message>
    <message>
        <location filename="../ui/KeyNames.cpp" line="121"/>
        <source>Degrees to radians</source>
        <translation>Degrés en radians</translation>
    </message>
    <message>
        <location filename="../ui/KeyNames.cpp" line="122"/>
        <source>Polar to rectangular</source>
        <translation>Coordonnées polaires en rectangulaires</translation>
    </message>
    <message>
        <location filename="../ui/KeyNames.cpp" line="123"/>
        <source>Rectangular to polar</source>
        <translation>Coordonnées rectangulaires en polaires</translation>
    </message>
    <message>
        <location filename="../ui/KeyNames.cpp" line="124"/>
        <source>Hours to hours, minutes and seconds</source>
        <translation>Heures en heures, minutes et secondes</translation>
    </message>
    <message>
        <location filename="../ui/KeyNames.cpp" line="125"/>
        <source>Hours, minutes and seconds to hours</source>
        <translation>Heures, minutes et secondes en heures</translation>
    </message>
    <message>
        <location filename="../ui/KeyNames.cpp" line="126"/>
        <source>Add data point</source>
        <translation>Ajouter un point de données</translation>
    </message>
    <message>
        <location filename="../ui/KeyNames.cpp" line="127"/>
        <source>Remove data point</source>
        <translation>Retirer un point de données</translation>
    </message>
    <message>
        <location filename="../ui/KeyNames.cpp" line="128"/>
        <source>Sum of x</source>
        <translation>Somme des x</translation>
    </message>
    <message>
        <location filename="../ui/KeyNames.cpp" line="129"/>
        <source>Sum of x squared</source>
        <translation>Somme des carrés des x</translation>
    </message>
    <message>
        <location filename="../ui/KeyNames.cpp" line="130"/>
        <source>Sum of y</source>
        <translation>Somme des y</translation>
    </message>
    <message>
        <location filename="../ui/KeyNames.cpp" line="131"/>
        <source>Sum of y squared</source>
        <translation>Somme des carrés des y</translation>
    </message>
    <message>
        <location filename="../ui/KeyNames.cpp" line="132"/>
        <source>Sum of x times y</source>
        <translation>Somme des produits x fois y</translation>
    </message>
    <message>
        <location filename="../ui/KeyNames.cpp" line="133"/>
        <source>Number of data points</source>
        <translation>Nombre de points de données</translation>
    </message>
    <message>
        <location filename="../ui/KeyNames.cpp" line="134"/>
        <source>Mean of x</source>
        <translation>Moyenne des x</translation>
    </message>
    <message>
        <location filename="../ui/KeyNames.cpp" line="135"/>
        <source>Mean of x weighted by y</source>
        <translation>Moyenne des x pondérée par y</translation>
    </message>
    <message>
        <location filename="../ui/KeyNames.cpp" line="136"/>
        <source>Mean of y</source>
        <translation>Moyenne des y</translation>
    </message>
    <message>
        <location filename="../ui/KeyNames.cpp" line="137"/>
        <source>Estimate x and correlation</source>
        <translation>Estimation de x et corrélation</translation>
    </message>
    <message>
        <location filename="../ui/KeyNames.cpp" line="138"/>
        <source>Estimate y and slope</source>
        <translation>Estimation de y et pente</translation>
    </message>
    <message>
        <location filename="../ui/KeyNames.cpp" line="139"/>
        <source>Random number</source>
        <translation>Nombre aléatoire</translation>
    </message>
    <message>
        <location filename="../ui/KeyNames.cpp" line="140"/>
        <source>Factorial</source>
        <translation>Factorielle</translation>
    </message>
    <message>
        <location filename="../ui/KeyNames.cpp" line="141"/>
        <source>Gamma function</source>
        <translation>Fonction gamma</translation>
    </message>
    <message>
        <location filename="../ui/KeyNames.cpp" line="142"/>
        <source>Sample standard deviation</source>
        <translation>Écart type de l’échantillon</translation>
    </message>
    <message>
        <location filename="../ui/KeyNames.cpp" line="143"/>
        <source>Population standard deviation</source>
        <translation>Écart type de la population</translation>
    </message>
    <message>
        <location filename="../ui/KeyNames.cpp" line="144"/>
        <source>Combinations</source>
        <translation>Combinaisons</translation>
    </message>
    <message>
        <location filename="../ui/KeyNames.cpp" line="145"/>
        <source>Permutations</source>
        <translation>Arrangements</translation>
    </message>
    <message>
        <location filename="../ui/KeyNames.cpp" line="146"/>
        <source>Binary base</source>
        <translation>Base binaire</translation>
    </message>
    <message>
        <location filename="../ui/KeyNames.cpp" line="147"/>
        <source>Octal base</source>
        <translation>Base octale</translation>
    </message>
    <message>
        <location filename="../ui/KeyNames.cpp" line="148"/>
        <source>Decimal base</source>
        <translation>Base décimale</translation>
    </message>
    <message>
        <location filename="../ui/KeyNames.cpp" line="149"/>
        <source>Hexadecimal base</source>
        <translation>Base hexadécimale</translation>
    </message>
    <message>
        <location filename="../ui/KeyNames.cpp" line="150"/>
        <source>Bitwise and</source>
        <translation>ET bit à bit</translation>
    </message>
    <message>
        <location filename="../ui/KeyNames.cpp" line="151"/>
        <source>Bitwise or</source>
        <translation>OU bit à bit</translation>
    </message>
    <message>
        <location filename="../ui/KeyNames.cpp" line="152"/>
        <source>Bitwise exclusive or</source>
        <translation>OU exclusif bit à bit</translation>
    </message>
    <message>
        <location filename="../ui/KeyNames.cpp" line="153"/>
        <source>Bitwise not</source>
        <translation>NON bit à bit</translation>
    </message>
    <message>
        <location filename="../ui/KeyNames.cpp" line="154"/>
        <source>Shift Y left by X bits</source>
        <translation>Décaler Y de X bits vers la gauche</translation>
    </message>
    <message>
        <location filename="../ui/KeyNames.cpp" line="155"/>
        <source>Shift Y right by X bits</source>
        <translation>Décaler Y de X bits vers la droite</translation>
    </message>
    <message>
        <location filename="../ui/KeyNames.cpp" line="156"/>
        <source>Arithmetic shift right</source>
        <translation>Décalage arithmétique vers la droite</translation>
    </message>
    <message>
        <location filename="../ui/KeyNames.cpp" line="157"/>
        <source>Rotate Y right by X bits</source>
        <translation>Rotation de Y de X bits vers la droite</translation>
    </message>
    <message>
        <location filename="../ui/KeyNames.cpp" line="158"/>
        <source>Inches</source>
        <translation>Pouces</translation>
    </message>
    <message>
        <location filename="../ui/KeyNames.cpp" line="159"/>
        <source>Feet</source>
        <translation>Pieds</translation>
    </message>
    <message>
        <location filename="../ui/KeyNames.cpp" line="160"/>
        <source>Miles</source>
        <translation>Milles</translation>
    </message>
    <message>
        <location filename="../ui/KeyNames.cpp" line="161"/>
        <source>Meters</source>
        <translation>Mètres</translation>
    </message>
    <message>
        <location filename="../ui/KeyNames.cpp" line="162"/>
        <source>Square inches</source>
        <translation>Pouces carrés</translation>
    </message>
    <message>
        <location filename="../ui/KeyNames.cpp" line="163"/>
        <source>Square feet</source>
        <translation>Pieds carrés</translation>
    </message>
    <message>
        <location filename="../ui/KeyNames.cpp" line="164"/>
        <source>Square miles</source>
        <translation>Milles carrés</translation>
    </message>
    <message>
        <location filename="../ui/KeyNames.cpp" line="165"/>
        <source>Square meters</source>
        <translation>Mètres carrés</translation>
    </message>
    <message>
        <location filename="../ui/KeyNames.cpp" line="166"/>
        <source>Pounds</source>
        <translation>Livres</translation>
    </message>
    <message>
        <location filename="../ui/KeyNames.cpp" line="167"/>
        <source>Ounces</source>
        <translation>Onces</translation>
    </message>
    <message>
        <location filename="../ui/KeyNames.cpp" line="168"/>
        <source>Kilograms</source>
        <translation>Kilogrammes</translation>
    </message>
    <message>
        <location filename="../ui/KeyNames.cpp" line="169"/>
        <source>Grams</source>
        <translation>Grammes</translation>
    </message>
    <message>
        <location filename="../ui/KeyNames.cpp" line="170"/>
        <source>Inches per second</source>
        <translation>Pouces par seconde</translation>
    </message>
    <message>
        <location filename="../ui/KeyNames.cpp" line="171"/>
        <source>Feet per second</source>
        <translation>Pieds par seconde</translation>
    </message>
    <message>
        <location filename="../ui/KeyNames.cpp" line="172"/>
        <source>Meters per second</source>
        <translation>Mètres par seconde</translation>
    </message>
    <message>
        <location filename="../ui/KeyNames.cpp" line="173"/>
        <source>Miles per hour</source>
        <translation>Milles par heure</translation>
    </message>
    <message>
        <location filename="../ui/KeyNames.cpp" line="174"/>
        <source>Kilometers per hour</source>
        <translation>Kilomètres par heure</translation>
    </message>
    <message>
        <location filename="../ui/KeyNames.cpp" line="175"/>
        <source>Centimeters per second</source>
        <translation>Centimètres par seconde</translation>
    </message>
    <message>
        <location filename="../ui/KeyNames.cpp" line="176"/>
        <source>Gallons</source>
        <translation>Gallons</translation>
    </message>
    <message>
        <location filename="../ui/KeyNames.cpp" line="177"/>
        <source>Milliliters</source>
        <translation>Millilitres</translation>
    </message>
    <message>
        <location filename="../ui/KeyNames.cpp" line="178"/>
        <source>Liters</source>
        <translation>Litres</translation>
    </message>
    <message>
        <location filename="../ui/KeyNames.cpp" line="179"/>
        <source>Fluid ounces</source>
        <translation>Onces liquides</translation>
    </message>
    <message>
        <location filename="../ui/KeyNames.cpp" line="180"/>
        <source>Degrees Celsius</source>
        <translation>Degrés Celsius</translation>
    </message>
    <message>
        <location filename="../ui/KeyNames.cpp" line="181"/>
        <source>Degrees Fahrenheit</source>
        <translation>Degrés Fahrenheit</translation>
    </message>
    <message>
        <location filename="../ui/KeyNames.cpp" line="182"/>
        <source>X-th root of Y</source>
        <translation>Racine X-ième de Y</translation>
    </message>
    <message>
        <location filename="../ui/KeyNames.cpp" line="183"/>
        <source>Unsigned 8-bit word</source>
        <translation>Mot de 8 bits non signé</translation>
    </message>
    <message>
        <location filename="../ui/KeyNames.cpp" line="184"/>
        <source>Signed 8-bit word</source>
        <translation>Mot de 8 bits signé</translation>
    </message>
    <message>
        <location filename="../ui/KeyNames.cpp" line="185"/>
        <source>Unsigned 16-bit word</source>
        <translation>Mot de 16 bits non signé</translation>
    </message>
    <message>
        <location filename="../ui/KeyNames.cpp" line="186"/>
        <source>Signed 16-bit word</source>
        <translation>Mot de 16 bits signé</translation>
    </message>
    <message>
        <location filename="../ui/KeyNames.cpp" line="187"/>
        <source>Unsigned 32-bit word</source>
        <translation>Mot de 32 bits non signé</translation>
    </message>
    <message>
        <location filename="../ui/KeyNames.cpp" line="188"/>
        <source>Signed 32-bit word</source>
        <translation>Mot de 32 bits signé</translation>
    </message>
    <message>
        <location filename="../ui/KeyNames.cpp" line="189"/>
        <source>General format</source>
        <translation>Format général</translation>
    </message>
    <message>
        <location filename="../ui/KeyNames.cpp" line="190"/>
        <source>Scientific format</source>
        <translation>Format scientifique</translation>
    </message>
    <message>
        <location filename="../ui/KeyNames.cpp" line="191"/>
        <source>Engineering format</source>
        <translation>Format ingénieur</translation>
    </message>
    <message>
        <location filename="../ui/KeyNames.cpp" line="192"/>
        <source>Floor</source>
        <translation>Arrondi vers le bas</translation>
    </message>
    <message>
        <location filename="../ui/KeyNames.cpp" line="193"/>
        <source>Ceiling</source>
        <translation>Arrondi vers le haut</translation>
    </message>
    <message>
        <location filename="../ui/KeyNames.cpp" line="194"/>
        <source>Two&apos;s complement</source>
        <translation>Complément à deux</translation>
    </message>
    <message>
        <location filename="../ui/KeyNames.cpp" line="195"/>
        <source>Round into the word</source>
        <translation>Arrondir dans le mot</translation>
    </message>
    <message>
        <location filename="../ui/KeyNames.cpp" line="196"/>
        <source>Integer plus</source>
        <translation>Plus (entiers)</translation>
    </message>
    <message>
        <location filename="../ui/KeyNames.cpp" line="197"/>
        <source>Integer minus</source>
        <translation>Moins (entiers)</translation>
    </message>
    <message>
        <location filename="../ui/KeyNames.cpp" line="198"/>
        <source>Integer multiply by</source>
        <translation>Multiplier par (entiers)</translation>
    </message>
    <message>
        <location filename="../ui/KeyNames.cpp" line="199"/>
        <source>Integer divide by</source>
        <translation>Diviser par (entiers)</translation>
    </message>
    <message>
        <location filename="../ui/KeyNames.cpp" line="200"/>
        <source>Fixed format</source>
        <translation>Format fixe</translation>
    </message>
    <message>
        <location filename="../ui/KeyNames.cpp" line="201"/>
        <source>No operation</source>
        <translation>Aucune opération</translation>
    </message>
    <message>
        <location filename="../ui/KeyNames.cpp" line="202"/>
        <source>Unassigned user key</source>
        <translation>Touche utilisateur non attribuée</translation>
    </message>
</context>
<context>
    <name>KeyReference</name>
    <message>
        <location filename="../ui/KeyReference.cpp" line="32"/>
        <source>Backspace</source>
        <translation>Retour arrière</translation>
    </message>
    <message>
        <location filename="../ui/KeyReference.cpp" line="33"/>
        <source>Delete</source>
        <translation>Suppr</translation>
    </message>
    <message>
        <location filename="../ui/KeyReference.cpp" line="34"/>
        <source>Esc</source>
        <translation>Échap</translation>
    </message>
    <message>
        <location filename="../ui/KeyReference.cpp" line="35"/>
        <source>Return</source>
        <translation>Entrée</translation>
    </message>
    <message>
        <location filename="../ui/KeyReference.cpp" line="47"/>
        <source>%1 (in decimal)</source>
        <translation>%1 (en décimal)</translation>
    </message>
    <message>
        <location filename="../ui/KeyReference.cpp" line="48"/>
        <source>%1 (outside decimal)</source>
        <translation>%1 (hors décimal)</translation>
    </message>
    <message>
        <location filename="../ui/KeyReference.cpp" line="49"/>
        <source>%1 (after EEX)</source>
        <translation>%1 (après EEX)</translation>
    </message>
    <message>
        <location filename="../ui/KeyReference.cpp" line="115"/>
        <source>%1 or %2</source>
        <translation>%1 ou %2</translation>
    </message>
    <message>
        <location filename="../ui/KeyReference.cpp" line="123"/>
        <source>Unshifted: %1</source>
        <translation>Sans Maj&#xa0;: %1</translation>
    </message>
    <message>
        <location filename="../ui/KeyReference.cpp" line="124"/>
        <source>Shifted: %1</source>
        <translation>Avec Maj&#xa0;: %1</translation>
    </message>
    <message>
        <location filename="../ui/KeyReference.cpp" line="128"/>
        <source>Keyboard: %1</source>
        <translation>Clavier&#xa0;: %1</translation>
    </message>
    <message>
        <location filename="../ui/KeyReference.cpp" line="130"/>
        <source>Options › Keyboard assigns the user keys.</source>
        <translation>Les touches utilisateur s’attribuent dans Options › Clavier.</translation>
    </message>
    <message>
        <location filename="../ui/KeyReference.cpp" line="202"/>
        <source>Ctrl+Z</source>
        <translation>Ctrl+Z</translation>
    </message>
    <message>
        <location filename="../ui/KeyReference.cpp" line="202"/>
        <source>Undo</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <location filename="../ui/KeyReference.cpp" line="203"/>
        <source>Ctrl+Y</source>
        <translation>Ctrl+Y</translation>
    </message>
    <message>
        <location filename="../ui/KeyReference.cpp" line="203"/>
        <source>Redo</source>
        <translation>Rétablir</translation>
    </message>
    <message>
        <location filename="../ui/KeyReference.cpp" line="204"/>
        <source>Ctrl+C</source>
        <translation>Ctrl+C</translation>
    </message>
    <message>
        <location filename="../ui/KeyReference.cpp" line="204"/>
        <source>Copy X</source>
        <translation>Copier X</translation>
    </message>
    <message>
        <location filename="../ui/KeyReference.cpp" line="205"/>
        <source>Ctrl+V</source>
        <translation>Ctrl+V</translation>
    </message>
    <message>
        <location filename="../ui/KeyReference.cpp" line="205"/>
        <source>Paste into X</source>
        <translation>Coller dans X</translation>
    </message>
    <message>
        <location filename="../ui/KeyReference.cpp" line="206"/>
        <source>Ctrl+Q</source>
        <translation>Ctrl+Q</translation>
    </message>
    <message>
        <location filename="../ui/KeyReference.cpp" line="206"/>
        <source>Quit</source>
        <translation>Quitter</translation>
    </message>
    <message>
        <location filename="../ui/KeyReference.cpp" line="207"/>
        <source>F1</source>
        <translation>F1</translation>
    </message>
    <message>
        <location filename="../ui/KeyReference.cpp" line="207"/>
        <source>User guide</source>
        <translation>Guide de l’utilisateur</translation>
    </message>
    <message>
        <location filename="../ui/KeyReference.cpp" line="208"/>
        <source>Up</source>
        <translation>Flèche haut</translation>
    </message>
    <message>
        <location filename="../ui/KeyReference.cpp" line="208"/>
        <source>Previous function</source>
        <translation>Fonction précédente</translation>
    </message>
    <message>
        <location filename="../ui/KeyReference.cpp" line="209"/>
        <source>Down</source>
        <translation>Flèche bas</translation>
    </message>
    <message>
        <location filename="../ui/KeyReference.cpp" line="209"/>
        <source>Next function</source>
        <translation>Fonction suivante</translation>
    </message>
    <message>
        <location filename="../ui/KeyReference.cpp" line="210"/>
        <source>Tab</source>
        <translation>Tab</translation>
    </message>
    <message>
        <location filename="../ui/KeyReference.cpp" line="210"/>
        <source>Into the keypad, and out again</source>
        <translation>Entrer dans le pavé de touches, puis en sortir</translation>
    </message>
    <message>
        <location filename="../ui/KeyReference.cpp" line="211"/>
        <source>Left or Right</source>
        <translation>Flèche gauche ou droite</translation>
    </message>
    <message>
        <location filename="../ui/KeyReference.cpp" line="212"/>
        <source>Move the focus from key to key</source>
        <translation>Déplacer le focus de touche en touche</translation>
    </message>
    <message>
        <location filename="../ui/KeyReference.cpp" line="213"/>
        <source>Space</source>
        <translation>Espace</translation>
    </message>
    <message>
        <location filename="../ui/KeyReference.cpp" line="213"/>
        <source>Press the key with the focus</source>
        <translation>Appuyer sur la touche qui a le focus</translation>
    </message>
</context>
<context>
    <name>KeyboardDialog</name>
    <message>
        <location filename="../ui/dialogs/KeyboardDialog.cpp" line="171"/>
        <source>Customize Keyboard</source>
        <translation>Personnaliser le clavier</translation>
    </message>
</context>
<context>
    <name>KeyboardPane</name>
    <message>
        <location filename="../ui/dialogs/KeyboardDialog.cpp" line="38"/>
        <source>User Keys:</source>
        <translation>Touches utilisateur&#xa0;:</translation>
    </message>
    <message>
        <location filename="../ui/dialogs/KeyboardDialog.cpp" line="39"/>
        <source>Integer</source>
        <translation>Entiers</translation>
    </message>
    <message>
        <location filename="../ui/dialogs/KeyboardDialog.cpp" line="42"/>
        <location filename="../ui/dialogs/KeyboardDialog.cpp" line="62"/>
        <source>Shifted</source>
        <translation>Avec Maj</translation>
    </message>
    <message>
        <location filename="../ui/dialogs/KeyboardDialog.cpp" line="54"/>
        <source>Assignable Keys:</source>
        <translation>Touches attribuables&#xa0;:</translation>
    </message>
    <message>
        <location filename="../ui/dialogs/KeyboardDialog.cpp" line="75"/>
        <source>Clear</source>
        <translation>Vider</translation>
    </message>
    <message>
        <location filename="../ui/dialogs/KeyboardDialog.cpp" line="79"/>
        <source>Copy</source>
        <translation>Copier</translation>
    </message>
</context>
<context>
    <name>KeysForm</name>
    <message>
        <location filename="../ui/dialogs/KeysForm.cpp" line="52"/>
        <source>Keys</source>
        <translation>Touches</translation>
    </message>
    <message>
        <location filename="../ui/dialogs/KeysForm.cpp" line="59"/>
        <source>Key</source>
        <translation>Touche</translation>
    </message>
    <message>
        <location filename="../ui/dialogs/KeysForm.cpp" line="59"/>
        <source>Name</source>
        <translation>Nom</translation>
    </message>
    <message>
        <location filename="../ui/dialogs/KeysForm.cpp" line="59"/>
        <source>Shifted</source>
        <translation>Avec Maj</translation>
    </message>
    <message>
        <location filename="../ui/dialogs/KeysForm.cpp" line="59"/>
        <location filename="../ui/dialogs/KeysForm.cpp" line="62"/>
        <location filename="../ui/dialogs/KeysForm.cpp" line="65"/>
        <source>Keyboard</source>
        <translation>Clavier</translation>
    </message>
    <message>
        <location filename="../ui/dialogs/KeysForm.cpp" line="62"/>
        <source>Action</source>
        <translation>Action</translation>
    </message>
    <message>
        <location filename="../ui/dialogs/KeysForm.cpp" line="64"/>
        <source>Keypad</source>
        <translation>Pavé de touches</translation>
    </message>
    <message>
        <location filename="../ui/dialogs/KeysForm.cpp" line="88"/>
        <source>The keys of the %1 function in %2 input</source>
        <extracomment>%1 is the function (Standard, Financial...), %2 the input: RPN, precedence or simple.</extracomment>
        <translation>Les touches de la fonction «&#xa0;%1&#xa0;» en saisie «&#xa0;%2&#xa0;»</translation>
    </message>
    <message>
        <location filename="../ui/dialogs/KeysForm.cpp" line="90"/>
        <source>RPN</source>
        <translation>RPN</translation>
    </message>
    <message>
        <location filename="../ui/dialogs/KeysForm.cpp" line="91"/>
        <source>precedence</source>
        <translation>avec priorités</translation>
    </message>
    <message>
        <location filename="../ui/dialogs/KeysForm.cpp" line="92"/>
        <source>simple</source>
        <translation>simple</translation>
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
        <translation>Préférences</translation>
    </message>
</context>
<context>
    <name>PreferencesPane</name>
    <message>
        <location filename="../ui/dialogs/PreferencesPane.cpp" line="42"/>
        <source>General</source>
        <translation>Général</translation>
    </message>
    <message>
        <location filename="../ui/dialogs/PreferencesPane.cpp" line="42"/>
        <source>Fixed</source>
        <translation>Fixe</translation>
    </message>
    <message>
        <location filename="../ui/dialogs/PreferencesPane.cpp" line="42"/>
        <source>Scientific</source>
        <translation>Scientifique</translation>
    </message>
    <message>
        <location filename="../ui/dialogs/PreferencesPane.cpp" line="42"/>
        <source>Engineering</source>
        <translation>Ingénieur</translation>
    </message>
    <message>
        <location filename="../ui/dialogs/PreferencesPane.cpp" line="43"/>
        <source>All</source>
        <translation>Tous</translation>
    </message>
    <message>
        <location filename="../ui/dialogs/PreferencesPane.cpp" line="50"/>
        <source>Left</source>
        <translation>Gauche</translation>
    </message>
    <message>
        <location filename="../ui/dialogs/PreferencesPane.cpp" line="50"/>
        <source>Center</source>
        <translation>Centre</translation>
    </message>
    <message>
        <location filename="../ui/dialogs/PreferencesPane.cpp" line="50"/>
        <source>Right</source>
        <translation>Droite</translation>
    </message>
    <message>
        <location filename="../ui/dialogs/PreferencesPane.cpp" line="57"/>
        <source>Preferences</source>
        <translation>Préférences</translation>
    </message>
    <message>
        <location filename="../ui/dialogs/PreferencesPane.cpp" line="57"/>
        <source>Colors</source>
        <translation>Couleurs</translation>
    </message>
    <message>
        <location filename="../ui/dialogs/PreferencesPane.cpp" line="57"/>
        <source>Keyboard</source>
        <translation>Clavier</translation>
    </message>
    <message>
        <location filename="../ui/dialogs/PreferencesPane.cpp" line="57"/>
        <source>RPN Stack</source>
        <translation>Pile RPN</translation>
    </message>
    <message>
        <location filename="../ui/dialogs/PreferencesPane.cpp" line="58"/>
        <source>User Registers</source>
        <translation>Registres utilisateur</translation>
    </message>
    <message>
        <location filename="../ui/dialogs/PreferencesPane.cpp" line="58"/>
        <source>Tape</source>
        <translation>Bande papier</translation>
    </message>
    <message>
        <location filename="../ui/dialogs/PreferencesPane.cpp" line="59"/>
        <source>8-bit unsigned</source>
        <translation>8 bits non signé</translation>
    </message>
    <message>
        <location filename="../ui/dialogs/PreferencesPane.cpp" line="59"/>
        <source>8-bit signed</source>
        <translation>8 bits signé</translation>
    </message>
    <message>
        <location filename="../ui/dialogs/PreferencesPane.cpp" line="59"/>
        <source>16-bit unsigned</source>
        <translation>16 bits non signé</translation>
    </message>
    <message>
        <location filename="../ui/dialogs/PreferencesPane.cpp" line="60"/>
        <source>16-bit signed</source>
        <translation>16 bits signé</translation>
    </message>
    <message>
        <location filename="../ui/dialogs/PreferencesPane.cpp" line="60"/>
        <source>32-bit unsigned</source>
        <translation>32 bits non signé</translation>
    </message>
    <message>
        <location filename="../ui/dialogs/PreferencesPane.cpp" line="60"/>
        <source>32-bit signed</source>
        <translation>32 bits signé</translation>
    </message>
    <message>
        <location filename="../ui/dialogs/PreferencesPane.cpp" line="61"/>
        <source>Simple</source>
        <translation>Simple</translation>
    </message>
    <message>
        <location filename="../ui/dialogs/PreferencesPane.cpp" line="61"/>
        <source>Precedence</source>
        <translation>Avec priorités</translation>
    </message>
    <message>
        <location filename="../ui/dialogs/PreferencesPane.cpp" line="61"/>
        <source>RPN</source>
        <translation>RPN</translation>
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
        <translation>Sélection rapide</translation>
    </message>
    <message>
        <location filename="../ui/dialogs/PreferencesPane.cpp" line="65"/>
        <source>100 Registers</source>
        <translation>100 registres</translation>
    </message>
    <message>
        <location filename="../ui/dialogs/PreferencesPane.cpp" line="66"/>
        <source>Sticky Shift</source>
        <translation>Maj rémanente</translation>
    </message>
    <message>
        <location filename="../ui/dialogs/PreferencesPane.cpp" line="67"/>
        <source>2-line Display</source>
        <translation>Affichage sur 2 lignes</translation>
    </message>
    <message>
        <location filename="../ui/dialogs/PreferencesPane.cpp" line="68"/>
        <source>Comma Radix</source>
        <translation>Virgule décimale</translation>
    </message>
    <message>
        <location filename="../ui/dialogs/PreferencesPane.cpp" line="70"/>
        <source>Format:</source>
        <translation>Format&#xa0;:</translation>
    </message>
    <message>
        <location filename="../ui/dialogs/PreferencesPane.cpp" line="73"/>
        <source>Display:</source>
        <translation>Affichage&#xa0;:</translation>
    </message>
    <message>
        <location filename="../ui/dialogs/PreferencesPane.cpp" line="77"/>
        <source>Integer:</source>
        <translation>Entiers&#xa0;:</translation>
    </message>
    <message>
        <location filename="../ui/dialogs/PreferencesPane.cpp" line="79"/>
        <source>Input:</source>
        <translation>Saisie&#xa0;:</translation>
    </message>
    <message>
        <location filename="../ui/dialogs/PreferencesPane.cpp" line="81"/>
        <source>Stack:</source>
        <translation>Pile&#xa0;:</translation>
    </message>
</context>
<context>
    <name>RpnStackForm</name>
    <message>
        <location filename="../ui/dialogs/RpnStackForm.cpp" line="73"/>
        <source>RPN Stack</source>
        <translation>Pile RPN</translation>
    </message>
</context>
<context>
    <name>Startup</name>
    <message>
        <location filename="../ui/Startup.cpp" line="25"/>
        <source>Input Method</source>
        <translation>Méthode de saisie</translation>
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
        <translation>Tovrin sait calculer
en mode RPN, mais ne
le fait pas par défaut.

Ce réglage peut être
modifié à tout moment
dans les Préférences.</translation>
    </message>
    <message>
        <location filename="../ui/Startup.cpp" line="28"/>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <location filename="../ui/Startup.cpp" line="29"/>
        <source>Enable RPN</source>
        <translation>Activer le mode RPN</translation>
    </message>
    <message>
        <location filename="../ui/Startup.cpp" line="58"/>
        <source>Tovrin could not save its state
in the settings file
%1.

The changes of this session are lost.</source>
        <translation>Tovrin n’a pas pu enregistrer son état
dans le fichier de configuration
%1.

Les modifications de cette session sont perdues.</translation>
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
        <translation>Tovrin n’a pas pu lire entièrement
son fichier de configuration
%1.

Ce qui a pu être lu a été chargé.</translation>
    </message>
    <message>
        <location filename="../ui/Startup.cpp" line="76"/>
        <source> The file as it was is kept as
%1.</source>
        <translation> Le fichier d’origine est conservé sous
%1.</translation>
    </message>
    <message>
        <location filename="../ui/Startup.cpp" line="78"/>
        <source> No copy of the file as it was could be kept.</source>
        <translation> Aucune copie du fichier d’origine n’a pu être conservée.</translation>
    </message>
</context>
<context>
    <name>TapeForm</name>
    <message>
        <location filename="../ui/dialogs/TapeForm.cpp" line="94"/>
        <source>Tape</source>
        <translation>Bande papier</translation>
    </message>
    <message>
        <location filename="../ui/dialogs/TapeForm.cpp" line="113"/>
        <source>Copy</source>
        <translation>Copier</translation>
    </message>
    <message>
        <location filename="../ui/dialogs/TapeForm.cpp" line="114"/>
        <source>Copy All</source>
        <translation>Tout copier</translation>
    </message>
    <message>
        <location filename="../ui/dialogs/TapeForm.cpp" line="115"/>
        <source>Clear</source>
        <translation>Vider</translation>
    </message>
    <message>
        <location filename="../ui/dialogs/TapeForm.cpp" line="116"/>
        <source>Save...</source>
        <translation>Enregistrer...</translation>
    </message>
    <message>
        <location filename="../ui/dialogs/TapeForm.cpp" line="223"/>
        <source>Plain text (*.txt)</source>
        <translation>Texte brut (*.txt)</translation>
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
        <translation>Enregistrer la bande papier</translation>
    </message>
    <message>
        <location filename="../ui/dialogs/TapeForm.cpp" line="225"/>
        <source>tape.txt</source>
        <translation>bande.txt</translation>
    </message>
    <message>
        <location filename="../ui/dialogs/TapeForm.cpp" line="232"/>
        <source>The tape could not be saved to %1.</source>
        <translation>La bande papier n’a pas pu être enregistrée dans %1.</translation>
    </message>
</context>
<context>
    <name>UserGuideForm</name>
    <message>
        <location filename="../ui/dialogs/UserGuideForm.cpp" line="25"/>
        <source>Tovrin User Guide</source>
        <translation>Guide de l’utilisateur de Tovrin</translation>
    </message>
    <message>
        <location filename="../ui/dialogs/UserGuideForm.cpp" line="37"/>
        <source>Navigation</source>
        <translation>Navigation</translation>
    </message>
    <message>
        <location filename="../ui/dialogs/UserGuideForm.cpp" line="39"/>
        <source>Back</source>
        <translation>Précédent</translation>
    </message>
    <message>
        <location filename="../ui/dialogs/UserGuideForm.cpp" line="43"/>
        <source>Contents</source>
        <translation>Sommaire</translation>
    </message>
</context>
<context>
    <name>UserRegistersDisplay</name>
    <message>
        <location filename="../ui/dialogs/UserRegistersForm.cpp" line="42"/>
        <source>Register %1</source>
        <translation>Registre %1</translation>
    </message>
</context>
<context>
    <name>UserRegistersForm</name>
    <message>
        <location filename="../ui/dialogs/UserRegistersForm.cpp" line="99"/>
        <source>User Registers</source>
        <translation>Registres utilisateur</translation>
    </message>
    <message>
        <location filename="../ui/dialogs/UserRegistersForm.cpp" line="127"/>
        <source>Group %1</source>
        <translation>Groupe %1</translation>
    </message>
</context>
</TS>
