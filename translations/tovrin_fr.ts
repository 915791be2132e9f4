<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr">
<context>
    <name>AboutForm</name>
    <message>
        <source>About Tovrin</source>
        <translation>À propos de Tovrin</translation>
    </message>
    <message>
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
        <source>Keypad</source>
        <translation>Pavé de touches</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <extracomment>What a screen reader says for a value and its name: &quot;X: 1,234.5 ft&quot;, &quot;Register 13: error&quot;. %1 is the name, %2 the value.</extracomment>
        <translation>%1&#xa0;: %2</translation>
    </message>
</context>
<context>
    <name>AdvancedDisplay</name>
    <message>
        <source>X</source>
        <extracomment>The display&apos;s name for a screen reader: the X register it shows.</extracomment>
        <translation>X</translation>
    </message>
    <message>
        <source>Y</source>
        <extracomment>The display&apos;s second line for a screen reader: the Y register.</extracomment>
        <translation>Y</translation>
    </message>
    <message>
        <source>%1; %2</source>
        <extracomment>What a screen reader says for a display of two lines: %1 is X, %2 is Y.</extracomment>
        <translation>%1&#xa0;; %2</translation>
    </message>
</context>
<context>
    <name>CalculatorForm</name>
    <message>
        <source>Standard</source>
        <translation>Standard</translation>
    </message>
    <message>
        <source>Financial</source>
        <translation>Finance</translation>
    </message>
    <message>
        <source>Scientific</source>
        <translation>Scientifique</translation>
    </message>
    <message>
        <source>Statistical</source>
        <translation>Statistiques</translation>
    </message>
    <message>
        <source>Programmer</source>
        <translation>Programmeur</translation>
    </message>
    <message>
        <source>Conversion</source>
        <translation>Conversion</translation>
    </message>
    <message>
        <source>User</source>
        <translation>Utilisateur</translation>
    </message>
    <message>
        <source>Tovrin</source>
        <translation>Tovrin</translation>
    </message>
    <message>
        <source>copy</source>
        <extracomment>The name of the Copy icon&apos;s picture, not a text: keep it as it is.</extracomment>
        <translation>copy</translation>
    </message>
    <message>
        <source>paste</source>
        <extracomment>The name of the Paste icon&apos;s picture, not a text: keep it as it is.</extracomment>
        <translation>paste</translation>
    </message>
    <message>
        <source>Clear All</source>
        <translation>Tout effacer</translation>
    </message>
    <message>
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
        <source>Clear</source>
        <translation>Effacer</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Not pasted: the number is too large.</source>
        <translation>Non collé&#xa0;: le nombre est trop grand.</translation>
    </message>
    <message>
        <source>Not pasted: the number does not fit the %1 word.</source>
        <translation>Non collé&#xa0;: le nombre ne tient pas dans le mot %1.</translation>
    </message>
    <message>
        <source>Not pasted: the clipboard holds no single number.</source>
        <translation>Non collé&#xa0;: le presse-papiers ne contient pas exactement un nombre.</translation>
    </message>
    <message>
        <source>&amp;Calculator</source>
        <translation>&amp;Calculatrice</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>É&amp;dition</translation>
    </message>
    <message>
        <source>&amp;Options</source>
        <translation>&amp;Options</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Aide</translation>
    </message>
    <message>
        <source>&amp;RPN Stack...</source>
        <translation>&amp;Pile RPN...</translation>
    </message>
    <message>
        <source>&amp;User Registers...</source>
        <translation>&amp;Registres utilisateur...</translation>
    </message>
    <message>
        <source>&amp;Tape...</source>
        <translation>&amp;Bande papier...</translation>
    </message>
    <message>
        <source>&amp;Quit</source>
        <translation>&amp;Quitter</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Annuler</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>&amp;Rétablir</translation>
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
        <source>&amp;Preferences...</source>
        <translation>&amp;Préférences...</translation>
    </message>
    <message>
        <source>&amp;Colors...</source>
        <translation>&amp;Couleurs...</translation>
    </message>
    <message>
        <source>&amp;Keyboard...</source>
        <translation>C&amp;lavier...</translation>
    </message>
    <message>
        <source>&amp;User Guide</source>
        <translation>&amp;Guide de l’utilisateur</translation>
    </message>
    <message>
        <source>&amp;Keys</source>
        <translation>&amp;Touches</translation>
    </message>
    <message>
        <source>&amp;About Tovrin...</source>
        <translation>À &amp;propos de Tovrin...</translation>
    </message>
    <message>
        <source>Stay on &amp;Top</source>
        <translation>&amp;Toujours au premier plan</translation>
    </message>
    <message>
        <source>Nothing to undo.</source>
        <translation>Rien à annuler.</translation>
    </message>
    <message>
        <source>Nothing to redo.</source>
        <translation>Rien à rétablir.</translation>
    </message>
    <message>
        <source>This desktop cannot keep Tovrin above other windows.</source>
        <translation>Ce bureau ne peut pas garder Tovrin au-dessus des autres fenêtres.</translation>
    </message>
    <message>
        <source>Statistics &amp;Data...</source>
        <translation>&amp;Données statistiques...</translation>
    </message>
    <message>
        <source>&amp;Loan Schedule...</source>
        <translation>&amp;Tableau d’amortissement...</translation>
    </message>
    <message>
        <source>Cash &amp;Flows...</source>
        <translation>&amp;Flux de trésorerie...</translation>
    </message>
    <message>
        <source>&amp;Function:</source>
        <translation>&amp;Fonction&#xa0;:</translation>
    </message>
</context>
<context>
    <name>CashFlowModel</name>
    <message>
        <source>Type a value or a count here to add CF%1.</source>
        <translation>Saisir ici une valeur ou un nombre pour ajouter CF%1.</translation>
    </message>
    <message>
        <source>CF0 is the flow at the start; it counts once.</source>
        <translation>CF0 est le flux initial&#xa0;; il compte une fois.</translation>
    </message>
    <message>
        <source>Flow</source>
        <translation>Flux</translation>
    </message>
    <message>
        <source>Value</source>
        <translation>Valeur</translation>
    </message>
    <message>
        <source>Count</source>
        <translation>Nombre</translation>
    </message>
    <message>
        <source>A count is a whole number from 0 to 99,999.</source>
        <translation>Un nombre est un entier de 0 à 99&#xa0;999.</translation>
    </message>
    <message>
        <source>The list holds at most 100 flows, CF0 to CF99.</source>
        <translation>La liste contient au plus 100 flux, de CF0 à CF99.</translation>
    </message>
    <message>
        <source>There is no such flow.</source>
        <translation>Ce flux n’existe pas.</translation>
    </message>
    <message>
        <source>“%1” is too large.</source>
        <translation>«&#xa0;%1&#xa0;» est trop grand.</translation>
    </message>
    <message>
        <source>“%1” does not fit the %2 word.</source>
        <translation>«&#xa0;%1&#xa0;» ne tient pas dans le mot %2.</translation>
    </message>
    <message>
        <source>“%1” is not a single number.</source>
        <translation>«&#xa0;%1&#xa0;» n’est pas un nombre unique.</translation>
    </message>
    <message>
        <source>A count of 0 ends the list: CF%1 and the flows after it do not count.</source>
        <translation>Un nombre de 0 termine la liste&#xa0;: CF%1 et les flux suivants ne comptent pas.</translation>
    </message>
</context>
<context>
    <name>CashFlowsForm</name>
    <message>
        <source>Cash Flows</source>
        <translation>Flux de trésorerie</translation>
    </message>
    <message>
        <source>Cash flows</source>
        <translation>Flux de trésorerie</translation>
    </message>
    <message>
        <source>&amp;Insert</source>
        <translation>&amp;Insérer</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>&amp;Supprimer</translation>
    </message>
    <message>
        <source>&amp;Paste</source>
        <translation>&amp;Coller</translation>
    </message>
    <message>
        <source>C&amp;opy</source>
        <translation>C&amp;opier</translation>
    </message>
    <message>
        <source>NPV at I/YR %1: %2</source>
        <translation>NPV à I/YR %1&#xa0;: %2</translation>
    </message>
    <message>
        <source>IRR/YR: %1</source>
        <translation>IRR/YR&#xa0;: %1</translation>
    </message>
    <message>
        <source>IRR/YR: error, no rate makes the NPV 0</source>
        <translation>IRR/YR&#xa0;: erreur, aucun taux n’annule la NPV</translation>
    </message>
    <message>
        <source>Not pasted: the clipboard holds no numbers.</source>
        <translation>Non collé&#xa0;: le presse-papiers ne contient aucun nombre.</translation>
    </message>
    <message>
        <source>Not pasted: line %1 has more than two columns.</source>
        <translation>Non collé&#xa0;: la ligne %1 a plus de deux colonnes.</translation>
    </message>
    <message>
        <source>Not pasted: line %1, column %2. %3</source>
        <translation>Non collé&#xa0;: ligne %1, colonne %2. %3</translation>
    </message>
    <message>
        <source>Not pasted: line %1. %2</source>
        <translation>Non collé&#xa0;: ligne %1. %2</translation>
    </message>
    <message>
        <source>Not pasted. %1</source>
        <translation>Non collé. %1</translation>
    </message>
</context>
<context>
    <name>ColorDialog</name>
    <message>
        <source>Color Chooser</source>
        <translation>Sélecteur de couleur</translation>
    </message>
    <message>
        <source>Red:</source>
        <translation>Rouge&#xa0;:</translation>
    </message>
    <message>
        <source>Green:</source>
        <translation>Vert&#xa0;:</translation>
    </message>
    <message>
        <source>Blue:</source>
        <translation>Bleu&#xa0;:</translation>
    </message>
</context>
<context>
    <name>ColorsDialog</name>
    <message>
        <source>Customize Colors</source>
        <translation>Personnaliser les couleurs</translation>
    </message>
</context>
<context>
    <name>ColorsPane</name>
    <message>
        <source>Text</source>
        <translation>Texte</translation>
    </message>
    <message>
        <source>Background</source>
        <translation>Fond</translation>
    </message>
    <message>
        <source>Display:</source>
        <translation>Affichage&#xa0;:</translation>
    </message>
    <message>
        <source>Standard:</source>
        <translation>Standard&#xa0;:</translation>
    </message>
    <message>
        <source>Number:</source>
        <translation>Chiffres&#xa0;:</translation>
    </message>
    <message>
        <source>Register:</source>
        <translation>Registres&#xa0;:</translation>
    </message>
    <message>
        <source>Clear:</source>
        <translation>Effacement&#xa0;:</translation>
    </message>
    <message>
        <source>Dialog:</source>
        <translation>Dialogue&#xa0;:</translation>
    </message>
    <message>
        <source>Default</source>
        <translation>Couleurs par défaut</translation>
    </message>
</context>
<context>
    <name>KeyNames</name>
    <message>
        <source>Zero</source>
        <translation>Zéro</translation>
    </message>
    <message>
        <source>One</source>
        <translation>Un</translation>
    </message>
    <message>
        <source>Two</source>
        <translation>Deux</translation>
    </message>
    <message>
        <source>Three</source>
        <translation>Trois</translation>
    </message>
    <message>
        <source>Four</source>
        <translation>Quatre</translation>
    </message>
    <message>
        <source>Five</source>
        <translation>Cinq</translation>
    </message>
    <message>
        <source>Six</source>
        <translation>Six</translation>
    </message>
    <message>
        <source>Seven</source>
        <translation>Sept</translation>
    </message>
    <message>
        <source>Eight</source>
        <translation>Huit</translation>
    </message>
    <message>
        <source>Nine</source>
        <translation>Neuf</translation>
    </message>
    <message>
        <source>Hexadecimal digit A</source>
        <translation>Chiffre hexadécimal A</translation>
    </message>
    <message>
        <source>Hexadecimal digit B</source>
        <translation>Chiffre hexadécimal B</translation>
    </message>
    <message>
        <source>Hexadecimal digit C</source>
        <translation>Chiffre hexadécimal C</translation>
    </message>
    <message>
        <source>Hexadecimal digit D</source>
        <translation>Chiffre hexadécimal D</translation>
    </message>
    <message>
        <source>Hexadecimal digit E</source>
        <translation>Chiffre hexadécimal E</translation>
    </message>
    <message>
        <source>Hexadecimal digit F</source>
        <translation>Chiffre hexadécimal F</translation>
    </message>
    <message>
        <source>Decimal point</source>
        <translation>Point décimal</translation>
    </message>
    <message>
        <source>Decimal comma</source>
        <translation>Virgule décimale</translation>
    </message>
    <message>
        <source>Enter exponent</source>
        <translation>Saisir l’exposant</translation>
    </message>
    <message>
        <source>Change sign</source>
        <translation>Changer de signe</translation>
    </message>
    <message>
        <source>Backspace</source>
        <translation>Retour arrière</translation>
    </message>
    <message>
        <source>Enter</source>
        <translation>Entrée</translation>
    </message>
    <message>
        <source>Plus</source>
        <translation>Plus</translation>
    </message>
    <message>
        <source>Minus</source>
        <translation>Moins</translation>
    </message>
    <message>
        <source>Multiply by</source>
        <translation>Multiplier par</translation>
    </message>
    <message>
        <source>Divide by</source>
        <translation>Diviser par</translation>
    </message>
    <message>
        <source>Equals</source>
        <translation>Égal</translation>
    </message>
    <message>
        <source>Shift</source>
        <translation>Maj</translation>
    </message>
    <message>
        <source>Show all digits</source>
        <translation>Afficher tous les chiffres</translation>
    </message>
    <message>
        <source>Clear all</source>
        <translation>Tout effacer</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Effacer</translation>
    </message>
    <message>
        <source>Clear entry</source>
        <translation>Effacer la saisie</translation>
    </message>
    <message>
        <source>Clear stack</source>
        <translation>Effacer la pile</translation>
    </message>
    <message>
        <source>Clear X</source>
        <translation>Effacer X</translation>
    </message>
    <message>
        <source>Clear all registers</source>
        <translation>Effacer tous les registres</translation>
    </message>
    <message>
        <source>Clear financial registers</source>
        <translation>Effacer les registres financiers</translation>
    </message>
    <message>
        <source>Clear statistics</source>
        <translation>Effacer les statistiques</translation>
    </message>
    <message>
        <source>Roll stack down</source>
        <translation>Rouler la pile vers le bas</translation>
    </message>
    <message>
        <source>Roll stack up</source>
        <translation>Rouler la pile vers le haut</translation>
    </message>
    <message>
        <source>Drop X</source>
        <translation>Retirer X</translation>
    </message>
    <message>
        <source>Fill stack with X</source>
        <translation>Remplir la pile avec X</translation>
    </message>
    <message>
        <source>Exchange X and Y</source>
        <translation>Échanger X et Y</translation>
    </message>
    <message>
        <source>Exchange X with register</source>
        <translation>Échanger X avec un registre</translation>
    </message>
    <message>
        <source>Last X</source>
        <translation>Dernier X</translation>
    </message>
    <message>
        <source>Store in register</source>
        <translation>Stocker dans un registre</translation>
    </message>
    <message>
        <source>Recall register</source>
        <translation>Rappeler un registre</translation>
    </message>
    <message>
        <source>Open parenthesis</source>
        <translation>Parenthèse ouvrante</translation>
    </message>
    <message>
        <source>Close parenthesis</source>
        <translation>Parenthèse fermante</translation>
    </message>
    <message>
        <source>Memory clear</source>
        <translation>Effacer la mémoire</translation>
    </message>
    <message>
        <source>Memory add</source>
        <translation>Ajouter à la mémoire</translation>
    </message>
    <message>
        <source>Memory subtract</source>
        <translation>Soustraire de la mémoire</translation>
    </message>
    <message>
        <source>Memory store</source>
        <translation>Mettre en mémoire</translation>
    </message>
    <message>
        <source>Memory recall</source>
        <translation>Rappeler la mémoire</translation>
    </message>
    <message>
        <source>Percent of total</source>
        <translation>Pourcentage du total</translation>
    </message>
    <message>
        <source>Percent change</source>
        <translation>Variation en pourcentage</translation>
    </message>
    <message>
        <source>Percent</source>
        <translation>Pourcentage</translation>
    </message>
    <message>
        <source>Round to the display</source>
        <translation>Arrondir à l’affichage</translation>
    </message>
    <message>
        <source>Integer part</source>
        <translation>Partie entière</translation>
    </message>
    <message>
        <source>Absolute value</source>
        <translation>Valeur absolue</translation>
    </message>
    <message>
        <source>Square root</source>
        <translation>Racine carrée</translation>
    </message>
    <message>
        <source>Square</source>
        <translation>Carré</translation>
    </message>
    <message>
        <source>Cube root</source>
        <translation>Racine cubique</translation>
    </message>
    <message>
        <source>Cube</source>
        <translation>Cube</translation>
    </message>
    <message>
        <source>Y to the power X</source>
        <translation>Y puissance X</translation>
    </message>
    <message>
        <source>Reciprocal</source>
        <translation>Inverse</translation>
    </message>
    <message>
        <source>Fractional part</source>
        <translation>Partie fractionnaire</translation>
    </message>
    <message>
        <source>Modulo</source>
        <translation>Modulo</translation>
    </message>
    <message>
        <source>Payments at the beginning of periods</source>
        <translation>Versements en début de période</translation>
    </message>
    <message>
        <source>Number of periods</source>
        <translation>Nombre de périodes</translation>
    </message>
    <message>
        <source>Interest rate per year</source>
        <translation>Taux d’intérêt annuel</translation>
    </message>
    <message>
        <source>Present value</source>
        <translation>Valeur actuelle</translation>
    </message>
    <message>
        <source>Payment</source>
        <translation>Versement</translation>
    </message>
    <message>
        <source>Future value</source>
        <translation>Valeur future</translation>
    </message>
    <message>
        <source>Payments per year</source>
        <translation>Versements par an</translation>
    </message>
    <message>
        <source>Nominal interest rate</source>
        <translation>Taux d’intérêt nominal</translation>
    </message>
    <message>
        <source>Effective interest rate</source>
        <translation>Taux d’intérêt effectif</translation>
    </message>
    <message>
        <source>Multiply by payments per year</source>
        <translation>Multiplier par le nombre de versements par an</translation>
    </message>
    <message>
        <source>Divide by payments per year</source>
        <translation>Diviser par le nombre de versements par an</translation>
    </message>
    <message>
        <source>Cost</source>
        <translation>Coût</translation>
    </message>
    <message>
        <source>Price</source>
        <translation>Prix</translation>
    </message>
    <message>
        <source>Margin</source>
        <translation>Marge</translation>
    </message>
    <message>
        <source>Markup on cost</source>
        <translation>Majoration sur le coût</translation>
    </message>
    <message>
        <source>Amortize</source>
        <translation>Amortir</translation>
    </message>
    <message>
        <source>Amortize the next payments</source>
        <translation>Amortir les versements suivants</translation>
    </message>
    <message>
        <source>Cash flow</source>
        <translation>Flux de trésorerie</translation>
    </message>
    <message>
        <source>Times the cash flow occurs</source>
        <translation>Nombre de répétitions du flux</translation>
    </message>
    <message>
        <source>Net present value</source>
        <translation>Valeur actuelle nette</translation>
    </message>
    <message>
        <source>Internal rate of return</source>
        <translation>Taux de rentabilité interne</translation>
    </message>
    <message>
        <source>Sine</source>
        <translation>Sinus</translation>
    </message>
    <message>
        <source>Cosine</source>
        <translation>Cosinus</translation>
    </message>
    <message>
        <source>Tangent</source>
        <translation>Tangente</translation>
    </message>
    <message>
        <source>Arc sine</source>
        <translation>Arc sinus</translation>
    </message>
    <message>
        <source>Arc cosine</source>
        <translation>Arc cosinus</translation>
    </message>
    <message>
        <source>Arc tangent</source>
        <translation>Arc tangente</translation>
    </message>
    <message>
        <source>Pi</source>
        <translation>Pi</translation>
    </message>
    <message>
        <source>Hyperbolic function</source>
        <translation>Fonction hyperbolique</translation>
    </message>
    <message>
        <source>Natural logarithm</source>
        <translation>Logarithme népérien</translation>
    </message>
    <message>
        <source>Common logarithm</source>
        <translation>Logarithme décimal</translation>
    </message>
    <message>
        <source>E to the power X</source>
        <translation>e puissance X</translation>
    </message>
    <message>
        <source>10 to the power X</source>
        <translation>10 puissance X</translation>
    </message>
    <message>
        <source>Angles in degrees</source>
        <translation>Angles en degrés</translation>
    </message>
    <message>
        <source>Angles in radians</source>
        <translation>Angles en radians</translation>
    </message>
    <message>
        <source>Angles in grads</source>
        <translation>Angles en grades</translation>
    </message>
    <message>
        <source>Radians to degrees</source>
        <translation>Radians en degrés</translation>
    </message>
    <message>
        <source>Degrees to radians</source>
        <translation>Degrés en radians</translation>
    </message>
    <message>
        <source>Polar to rectangular</source>
        <translation>Coordonnées polaires en rectangulaires</translation>
    </message>
    <message>
        <source>Rectangular to polar</source>
        <translation>Coordonnées rectangulaires en polaires</translation>
    </message>
    <message>
        <source>Hours to hours, minutes and seconds</source>
        <translation>Heures en heures, minutes et secondes</translation>
    </message>
    <message>
        <source>Hours, minutes and seconds to hours</source>
        <translation>Heures, minutes et secondes en heures</translation>
    </message>
    <message>
        <source>Add data point</source>
        <translation>Ajouter un point de données</translation>
    </message>
    <message>
        <source>Remove data point</source>
        <translation>Retirer un point de données</translation>
    </message>
    <message>
        <source>Sum of x</source>
        <translation>Somme des x</translation>
    </message>
    <message>
        <source>Sum of x squared</source>
        <translation>Somme des carrés des x</translation>
    </message>
    <message>
        <source>Sum of y</source>
        <translation>Somme des y</translation>
    </message>
    <message>
        <source>Sum of y squared</source>
        <translation>Somme des carrés des y</translation>
    </message>
    <message>
        <source>Sum of x times y</source>
        <translation>Somme des produits x fois y</translation>
    </message>
    <message>
        <source>Number of data points</source>
        <translation>Nombre de points de données</translation>
    </message>
    <message>
        <source>Mean of x</source>
        <translation>Moyenne des x</translation>
    </message>
    <message>
        <source>Mean of x weighted by y</source>
        <translation>Moyenne des x pondérée par y</translation>
    </message>
    <message>
        <source>Mean of y</source>
        <translation>Moyenne des y</translation>
    </message>
    <message>
        <source>Estimate x and correlation</source>
        <translation>Estimation de x et corrélation</translation>
    </message>
    <message>
        <source>Estimate y and slope</source>
        <translation>Estimation de y et pente</translation>
    </message>
    <message>
        <source>Random number</source>
        <translation>Nombre aléatoire</translation>
    </message>
    <message>
        <source>Factorial</source>
        <translation>Factorielle</translation>
    </message>
    <message>
        <source>Gamma function</source>
        <translation>Fonction gamma</translation>
    </message>
    <message>
        <source>Sample standard deviation</source>
        <translation>Écart type de l’échantillon</translation>
    </message>
    <message>
        <source>Population standard deviation</source>
        <translation>Écart type de la population</translation>
    </message>
    <message>
        <source>Combinations</source>
        <translation>Combinaisons</translation>
    </message>
    <message>
        <source>Permutations</source>
        <translation>Arrangements</translation>
    </message>
    <message>
        <source>Binary base</source>
        <translation>Base binaire</translation>
    </message>
    <message>
        <source>Octal base</source>
        <translation>Base octale</translation>
    </message>
    <message>
        <source>Decimal base</source>
        <translation>Base décimale</translation>
    </message>
    <message>
        <source>Hexadecimal base</source>
        <translation>Base hexadécimale</translation>
    </message>
    <message>
        <source>Bitwise and</source>
        <translation>ET bit à bit</translation>
    </message>
    <message>
        <source>Bitwise or</source>
        <translation>OU bit à bit</translation>
    </message>
    <message>
        <source>Bitwise exclusive or</source>
        <translation>OU exclusif bit à bit</translation>
    </message>
    <message>
        <source>Bitwise not</source>
        <translation>NON bit à bit</translation>
    </message>
    <message>
        <source>Shift Y left by X bits</source>
        <translation>Décaler Y de X bits vers la gauche</translation>
    </message>
    <message>
        <source>Shift Y right by X bits</source>
        <translation>Décaler Y de X bits vers la droite</translation>
    </message>
    <message>
        <source>Arithmetic shift right</source>
        <translation>Décalage arithmétique vers la droite</translation>
    </message>
    <message>
        <source>Rotate Y right by X bits</source>
        <translation>Rotation de Y de X bits vers la droite</translation>
    </message>
    <message>
        <source>Inches</source>
        <translation>Pouces</translation>
    </message>
    <message>
        <source>Feet</source>
        <translation>Pieds</translation>
    </message>
    <message>
        <source>Miles</source>
        <translation>Milles</translation>
    </message>
    <message>
        <source>Meters</source>
        <translation>Mètres</translation>
    </message>
    <message>
        <source>Square inches</source>
        <translation>Pouces carrés</translation>
    </message>
    <message>
        <source>Square feet</source>
        <translation>Pieds carrés</translation>
    </message>
    <message>
        <source>Square miles</source>
        <translation>Milles carrés</translation>
    </message>
    <message>
        <source>Square meters</source>
        <translation>Mètres carrés</translation>
    </message>
    <message>
        <source>Pounds</source>
        <translation>Livres</translation>
    </message>
    <message>
        <source>Ounces</source>
        <translation>Onces</translation>
    </message>
    <message>
        <source>Kilograms</source>
        <translation>Kilogrammes</translation>
    </message>
    <message>
        <source>Grams</source>
        <translation>Grammes</translation>
    </message>
    <message>
        <source>Inches per second</source>
        <translation>Pouces par seconde</translation>
    </message>
    <message>
        <source>Feet per second</source>
        <translation>Pieds par seconde</translation>
    </message>
    <message>
        <source>Meters per second</source>
        <translation>Mètres par seconde</translation>
    </message>
    <message>
        <source>Miles per hour</source>
        <translation>Milles par heure</translation>
    </message>
    <message>
        <source>Kilometers per hour</source>
        <translation>Kilomètres par heure</translation>
    </message>
    <message>
        <source>Centimeters per second</source>
        <translation>Centimètres par seconde</translation>
    </message>
    <message>
        <source>Gallons</source>
        <translation>Gallons</translation>
    </message>
    <message>
        <source>Milliliters</source>
        <translation>Millilitres</translation>
    </message>
    <message>
        <source>Liters</source>
        <translation>Litres</translation>
    </message>
    <message>
        <source>Fluid ounces</source>
        <translation>Onces liquides</translation>
    </message>
    <message>
        <source>Degrees Celsius</source>
        <translation>Degrés Celsius</translation>
    </message>
    <message>
        <source>Degrees Fahrenheit</source>
        <translation>Degrés Fahrenheit</translation>
    </message>
    <message>
        <source>X-th root of Y</source>
        <translation>Racine X-ième de Y</translation>
    </message>
    <message>
        <source>Unsigned 8-bit word</source>
        <translation>Mot de 8 bits non signé</translation>
    </message>
    <message>
        <source>Signed 8-bit word</source>
        <translation>Mot de 8 bits signé</translation>
    </message>
    <message>
        <source>Unsigned 16-bit word</source>
        <translation>Mot de 16 bits non signé</translation>
    </message>
    <message>
        <source>Signed 16-bit word</source>
        <translation>Mot de 16 bits signé</translation>
    </message>
    <message>
        <source>Unsigned 32-bit word</source>
        <translation>Mot de 32 bits non signé</translation>
    </message>
    <message>
        <source>Signed 32-bit word</source>
        <translation>Mot de 32 bits signé</translation>
    </message>
    <message>
        <source>General format</source>
        <translation>Format général</translation>
    </message>
    <message>
        <source>Scientific format</source>
        <translation>Format scientifique</translation>
    </message>
    <message>
        <source>Engineering format</source>
        <translation>Format ingénieur</translation>
    </message>
    <message>
        <source>Floor</source>
        <translation>Arrondi vers le bas</translation>
    </message>
    <message>
        <source>Ceiling</source>
        <translation>Arrondi vers le haut</translation>
    </message>
    <message>
        <source>Two&apos;s complement</source>
        <translation>Complément à deux</translation>
    </message>
    <message>
        <source>Round into the word</source>
        <translation>Arrondir dans le mot</translation>
    </message>
    <message>
        <source>Integer plus</source>
        <translation>Plus (entiers)</translation>
    </message>
    <message>
        <source>Integer minus</source>
        <translation>Moins (entiers)</translation>
    </message>
    <message>
        <source>Integer multiply by</source>
        <translation>Multiplier par (entiers)</translation>
    </message>
    <message>
        <source>Integer divide by</source>
        <translation>Diviser par (entiers)</translation>
    </message>
    <message>
        <source>Fixed format</source>
        <translation>Format fixe</translation>
    </message>
    <message>
        <source>No operation</source>
        <translation>Aucune opération</translation>
    </message>
    <message>
        <source>Unassigned user key</source>
        <translation>Touche utilisateur non attribuée</translation>
    </message>
</context>
<context>
    <name>KeyReference</name>
    <message>
        <source>Backspace</source>
        <translation>Retour arrière</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Suppr</translation>
    </message>
    <message>
        <source>Esc</source>
        <translation>Échap</translation>
    </message>
    <message>
        <source>Return</source>
        <translation>Entrée</translation>
    </message>
    <message>
        <source>%1 (in decimal)</source>
        <translation>%1 (en décimal)</translation>
    </message>
    <message>
        <source>%1 (outside decimal)</source>
        <translation>%1 (hors décimal)</translation>
    </message>
    <message>
        <source>%1 (after EEX)</source>
        <translation>%1 (après EEX)</translation>
    </message>
    <message>
        <source>%1 or %2</source>
        <translation>%1 ou %2</translation>
    </message>
    <message>
        <source>Unshifted: %1</source>
        <translation>Sans Maj&#xa0;: %1</translation>
    </message>
    <message>
        <source>Shifted: %1</source>
        <translation>Avec Maj&#xa0;: %1</translation>
    </message>
    <message>
        <source>Keyboard: %1</source>
        <translation>Clavier&#xa0;: %1</translation>
    </message>
    <message>
        <source>Options › Keyboard assigns the user keys.</source>
        <translation>Les touches utilisateur s’attribuent dans Options › Clavier.</translation>
    </message>
    <message>
        <source>Ctrl+Z</source>
        <translation>Ctrl+Z</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Ctrl+Y</source>
        <translation>Ctrl+Y</translation>
    </message>
    <message>
        <source>Redo</source>
        <translation>Rétablir</translation>
    </message>
    <message>
        <source>Ctrl+C</source>
        <translation>Ctrl+C</translation>
    </message>
    <message>
        <source>Copy X</source>
        <translation>Copier X</translation>
    </message>
    <message>
        <source>Ctrl+V</source>
        <translation>Ctrl+V</translation>
    </message>
    <message>
        <source>Paste into X</source>
        <translation>Coller dans X</translation>
    </message>
    <message>
        <source>Ctrl+Q</source>
        <translation>Ctrl+Q</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>Quitter</translation>
    </message>
    <message>
        <source>F1</source>
        <translation>F1</translation>
    </message>
    <message>
        <source>User guide</source>
        <translation>Guide de l’utilisateur</translation>
    </message>
    <message>
        <source>Up</source>
        <translation>Flèche haut</translation>
    </message>
    <message>
        <source>Down</source>
        <translation>Flèche bas</translation>
    </message>
    <message>
        <source>Tab</source>
        <translation>Tab</translation>
    </message>
    <message>
        <source>Left or Right</source>
        <translation>Flèche gauche ou droite</translation>
    </message>
    <message>
        <source>Move the focus from key to key</source>
        <translation>Déplacer le focus de touche en touche</translation>
    </message>
    <message>
        <source>Space</source>
        <translation>Espace</translation>
    </message>
    <message>
        <source>Press the key with the focus</source>
        <translation>Appuyer sur la touche qui a le focus</translation>
    </message>
    <message>
        <source>Previous function; in the keypad, the key above</source>
        <translation>Fonction précédente&#xa0;; dans le pavé, la touche du dessus</translation>
    </message>
    <message>
        <source>Next function; in the keypad, the key below</source>
        <translation>Fonction suivante&#xa0;; dans le pavé, la touche du dessous</translation>
    </message>
    <message>
        <source>Move the focus: function selector, keypad, display</source>
        <translation>Déplacer le focus&#xa0;: sélecteur de fonction, pavé, affichage</translation>
    </message>
    <message>
        <source>F10</source>
        <translation>F10</translation>
    </message>
    <message>
        <source>Open the menus</source>
        <translation>Ouvrir les menus</translation>
    </message>
    <message>
        <source>Alt+letter</source>
        <translation>Alt+lettre</translation>
    </message>
    <message>
        <source>The menu or control of the underlined letter</source>
        <translation>Le menu ou la commande de la lettre soulignée</translation>
    </message>
</context>
<context>
    <name>KeyboardDialog</name>
    <message>
        <source>Customize Keyboard</source>
        <translation>Personnaliser le clavier</translation>
    </message>
</context>
<context>
    <name>KeyboardPane</name>
    <message>
        <source>User Keys:</source>
        <translation>Touches utilisateur&#xa0;:</translation>
    </message>
    <message>
        <source>Integer</source>
        <translation>Entiers</translation>
    </message>
    <message>
        <source>Shifted</source>
        <translation>Avec Maj</translation>
    </message>
    <message>
        <source>Assignable Keys:</source>
        <translation>Touches attribuables&#xa0;:</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Vider</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Copier</translation>
    </message>
</context>
<context>
    <name>KeysForm</name>
    <message>
        <source>Keys</source>
        <translation>Touches</translation>
    </message>
    <message>
        <source>Key</source>
        <translation>Touche</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nom</translation>
    </message>
    <message>
        <source>Shifted</source>
        <translation>Avec Maj</translation>
    </message>
    <message>
        <source>Keyboard</source>
        <translation>Clavier</translation>
    </message>
    <message>
        <source>Action</source>
        <translation>Action</translation>
    </message>
    <message>
        <source>Keypad</source>
        <translation>Pavé de touches</translation>
    </message>
    <message>
        <source>The keys of the %1 function in %2 input</source>
        <extracomment>%1 is the function (Standard, Financial...), %2 the input: RPN, precedence or simple.</extracomment>
        <translation>Les touches de la fonction «&#xa0;%1&#xa0;» en saisie «&#xa0;%2&#xa0;»</translation>
    </message>
    <message>
        <source>RPN</source>
        <translation>RPN</translation>
    </message>
    <message>
        <source>precedence</source>
        <translation>avec priorités</translation>
    </message>
    <message>
        <source>simple</source>
        <translation>simple</translation>
    </message>
    <message>
        <source>%1 (%2)</source>
        <extracomment>The name of the shifted key, and its keyboard shortcut.</extracomment>
        <translation>%1 (%2)</translation>
    </message>
    <message>
        <source>Statistics &amp;Data...</source>
        <translation>&amp;Données statistiques...</translation>
    </message>
</context>
<context>
    <name>PointsModel</name>
    <message>
        <source>x</source>
        <translation>x</translation>
    </message>
    <message>
        <source>y</source>
        <translation>y</translation>
    </message>
    <message>
        <source>New</source>
        <extracomment>The table&apos;s last row, where a new point is typed.</extracomment>
        <translation>Nouveau</translation>
    </message>
    <message>
        <source>New point</source>
        <translation>Nouveau point</translation>
    </message>
    <message>
        <source>Not changed: %1 is too large.</source>
        <translation>Non modifié : %1 est trop grand.</translation>
    </message>
    <message>
        <source>Not changed: %1 does not fit the word.</source>
        <translation>Non modifié : %1 ne tient pas dans le mot.</translation>
    </message>
    <message>
        <source>Not changed: %1 is not a number.</source>
        <translation>Non modifié : %1 n’est pas un nombre.</translation>
    </message>
</context>
<context>
    <name>PreferencesDialog</name>
    <message>
        <source>Preferences</source>
        <translation>Préférences</translation>
    </message>
</context>
<context>
    <name>PreferencesPane</name>
    <message>
        <source>General</source>
        <translation>Général</translation>
    </message>
    <message>
        <source>Fixed</source>
        <translation>Fixe</translation>
    </message>
    <message>
        <source>Scientific</source>
        <translation>Scientifique</translation>
    </message>
    <message>
        <source>Engineering</source>
        <translation>Ingénieur</translation>
    </message>
    <message>
        <source>All</source>
        <translation>Tous</translation>
    </message>
    <message>
        <source>Preferences</source>
        <translation>Préférences</translation>
    </message>
    <message>
        <source>Colors</source>
        <translation>Couleurs</translation>
    </message>
    <message>
        <source>Keyboard</source>
        <translation>Clavier</translation>
    </message>
    <message>
        <source>RPN Stack</source>
        <translation>Pile RPN</translation>
    </message>
    <message>
        <source>User Registers</source>
        <translation>Registres utilisateur</translation>
    </message>
    <message>
        <source>Tape</source>
        <translation>Bande papier</translation>
    </message>
    <message>
        <source>8-bit unsigned</source>
        <translation>8 bits non signé</translation>
    </message>
    <message>
        <source>8-bit signed</source>
        <translation>8 bits signé</translation>
    </message>
    <message>
        <source>16-bit unsigned</source>
        <translation>16 bits non signé</translation>
    </message>
    <message>
        <source>16-bit signed</source>
        <translation>16 bits signé</translation>
    </message>
    <message>
        <source>32-bit unsigned</source>
        <translation>32 bits non signé</translation>
    </message>
    <message>
        <source>32-bit signed</source>
        <translation>32 bits signé</translation>
    </message>
    <message>
        <source>Simple</source>
        <translation>Simple</translation>
    </message>
    <message>
        <source>Precedence</source>
        <translation>Avec priorités</translation>
    </message>
    <message>
        <source>RPN</source>
        <translation>RPN</translation>
    </message>
    <message>
        <source>4</source>
        <translation>4</translation>
    </message>
    <message>
        <source>8</source>
        <translation>8</translation>
    </message>
    <message>
        <source>12</source>
        <translation>12</translation>
    </message>
    <message>
        <source>16</source>
        <translation>16</translation>
    </message>
    <message>
        <source>20</source>
        <translation>20</translation>
    </message>
    <message>
        <source>&amp;Left</source>
        <translation>&amp;Gauche</translation>
    </message>
    <message>
        <source>&amp;Center</source>
        <translation>C&amp;entre</translation>
    </message>
    <message>
        <source>&amp;Right</source>
        <translation>&amp;Droite</translation>
    </message>
    <message>
        <source>&amp;Quick Switch</source>
        <translation>Sélection &amp;rapide</translation>
    </message>
    <message>
        <source>100 Re&amp;gisters</source>
        <translation>100 reg&amp;istres</translation>
    </message>
    <message>
        <source>Stic&amp;ky Shift</source>
        <translation>&amp;Maj rémanente</translation>
    </message>
    <message>
        <source>&amp;2-line Display</source>
        <translation>Affichage sur &amp;2 lignes</translation>
    </message>
    <message>
        <source>Co&amp;mma Radix</source>
        <translation>&amp;Virgule décimale</translation>
    </message>
    <message>
        <source>&amp;Format:</source>
        <translation>&amp;Format&#xa0;:</translation>
    </message>
    <message>
        <source>&amp;Digits:</source>
        <translation>&amp;Chiffres&#xa0;:</translation>
    </message>
    <message>
        <source>Dis&amp;play:</source>
        <translation>&amp;Affichage&#xa0;:</translation>
    </message>
    <message>
        <source>&amp;Opens:</source>
        <extracomment>What a tap on the chosen third of the display opens.</extracomment>
        <translation>&amp;Ouvre&#xa0;:</translation>
    </message>
    <message>
        <source>&amp;Integer:</source>
        <translation>E&amp;ntiers&#xa0;:</translation>
    </message>
    <message>
        <source>I&amp;nput:</source>
        <translation>&amp;Saisie&#xa0;:</translation>
    </message>
    <message>
        <source>&amp;Stack:</source>
        <translation>&amp;Pile&#xa0;:</translation>
    </message>
    <message>
        <source>Nothing</source>
        <translation>Rien</translation>
    </message>
</context>
<context>
    <name>RpnStackForm</name>
    <message>
        <source>RPN Stack</source>
        <translation>Pile RPN</translation>
    </message>
</context>
<context>
    <name>ScheduleChart</name>
    <message>
        <source>Balance</source>
        <translation>Capital restant</translation>
    </message>
    <message>
        <source>Principal each year</source>
        <translation>Capital remboursé par an</translation>
    </message>
    <message>
        <source>Principal every %1 years</source>
        <translation>Capital remboursé par %1 ans</translation>
    </message>
    <message>
        <source>Interest each year</source>
        <translation>Intérêts par an</translation>
    </message>
    <message>
        <source>Interest every %1 years</source>
        <translation>Intérêts par %1 ans</translation>
    </message>
    <message>
        <source>Balance chart</source>
        <translation>Graphique du capital restant</translation>
    </message>
</context>
<context>
    <name>ScheduleForm</name>
    <message>
        <source>Loan Schedule</source>
        <translation>Tableau d’amortissement</translation>
    </message>
    <message>
        <source>Terms of the loan</source>
        <translation>Conditions du prêt</translation>
    </message>
    <message>
        <source>Schedule</source>
        <translation>Tableau d’amortissement</translation>
    </message>
    <message>
        <source>Divider between the chart and the table</source>
        <translation>Séparateur entre le graphique et le tableau</translation>
    </message>
    <message>
        <source>C&amp;opy</source>
        <translation>C&amp;opier</translation>
    </message>
    <message>
        <source>Save &amp;CSV...</source>
        <translation>Enregistrer en &amp;CSV...</translation>
    </message>
    <message>
        <source>Save &amp;PDF...</source>
        <translation>Enregistrer en &amp;PDF...</translation>
    </message>
    <message>
        <source>payments at the start of each period</source>
        <translation>paiements en début de période</translation>
    </message>
    <message>
        <source>payments at the end of each period</source>
        <translation>paiements en fin de période</translation>
    </message>
    <message>
        <source>No schedule: N is not a whole number of periods from 1 to 65,535.</source>
        <translation>Pas de tableau&#xa0;: N n’est pas un nombre entier de périodes de 1 à 65&#xa0;535.</translation>
    </message>
    <message>
        <source>No schedule: %1 is error.</source>
        <translation>Pas de tableau&#xa0;: %1 est en erreur.</translation>
    </message>
    <message>
        <source>A final payment of %1 instead of %2 would end the schedule at %3.</source>
        <translation>Un dernier paiement de %1 au lieu de %2 terminerait le tableau à %3.</translation>
    </message>
    <message>
        <source>The balance goes from %1 to %2 over %3 periods; %4 of interest and %5 of principal in all.</source>
        <translation>Le capital restant passe de %1 à %2 en %3 périodes&#xa0;; %4 d’intérêts et %5 de capital en tout.</translation>
    </message>
    <message>
        <source>Save Schedule as CSV</source>
        <translation>Enregistrer le tableau en CSV</translation>
    </message>
    <message>
        <source>schedule.csv</source>
        <translation>amortissement.csv</translation>
    </message>
    <message>
        <source>CSV (*.csv)</source>
        <translation>CSV (*.csv)</translation>
    </message>
    <message>
        <source>The schedule could not be saved to %1: %2.</source>
        <translation>Le tableau n’a pas pu être enregistré dans %1&#xa0;: %2.</translation>
    </message>
    <message>
        <source>Save Schedule as PDF</source>
        <translation>Enregistrer le tableau en PDF</translation>
    </message>
    <message>
        <source>schedule.pdf</source>
        <translation>amortissement.pdf</translation>
    </message>
    <message>
        <source>PDF (*.pdf)</source>
        <translation>PDF (*.pdf)</translation>
    </message>
</context>
<context>
    <name>ScheduleModel</name>
    <message>
        <source>%1 (full precision)</source>
        <translation>%1 (précision complète)</translation>
    </message>
    <message>
        <source>Page %1 of %2</source>
        <translation>Page %1 sur %2</translation>
    </message>
    <message>
        <source>Year %1</source>
        <translation>Année %1</translation>
    </message>
    <message>
        <source>Total</source>
        <translation>Total</translation>
    </message>
    <message>
        <source>Period</source>
        <translation>Période</translation>
    </message>
    <message>
        <source>Payment</source>
        <translation>Paiement</translation>
    </message>
    <message>
        <source>Interest</source>
        <translation>Intérêts</translation>
    </message>
    <message>
        <source>Principal</source>
        <translation>Capital</translation>
    </message>
    <message>
        <source>Balance</source>
        <translation>Capital restant</translation>
    </message>
</context>
<context>
    <name>Startup</name>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Enable RPN</source>
        <translation>Activer le mode RPN</translation>
    </message>
    <message>
        <source>Tovrin</source>
        <translation>Tovrin</translation>
    </message>
    <message>
        <source>Tovrin could not read all of its settings file
%1.

What could be read was loaded.</source>
        <translation>Tovrin n’a pas pu lire entièrement
son fichier de configuration
%1.

Ce qui a pu être lu a été chargé.</translation>
    </message>
    <message>
        <source> The file as it was is kept as
%1.</source>
        <translation> Le fichier d’origine est conservé sous
%1.</translation>
    </message>
    <message>
        <source>Tovrin could not save its state
in the settings file
%1
(%2).

The file is left as it was, and the changes of this session are lost.</source>
        <translation>Tovrin n’a pas pu enregistrer son état
dans le fichier de configuration
%1
(%2).

Le fichier reste tel qu’il était, et les modifications de cette session sont perdues.</translation>
    </message>
    <message>
        <source>a folder</source>
        <translation>un dossier</translation>
    </message>
    <message>
        <source>a device</source>
        <translation>un périphérique</translation>
    </message>
    <message>
        <source>a named pipe</source>
        <translation>un tube nommé</translation>
    </message>
    <message>
        <source>a socket</source>
        <translation>une socket</translation>
    </message>
    <message>
        <source>a special file</source>
        <translation>un fichier spécial</translation>
    </message>
    <message>
        <source>Tovrin cannot use its settings file
%1:
it is %2, not a regular file.

This session starts afresh and will not be saved.</source>
        <translation>Tovrin ne peut pas utiliser son fichier de configuration
%1 :
c’est %2, pas un fichier ordinaire.

Cette session repart de zéro et ne sera pas enregistrée.</translation>
    </message>
    <message>
        <source> No copy of the file as it was could be kept, so the file is left as it is; this session is saved only once a copy can be kept.</source>
        <translation> Aucune copie du fichier tel qu’il était n’a pu être conservée ; le fichier reste donc tel quel, et cette session ne sera enregistrée qu’une fois une copie conservée.</translation>
    </message>
    <message>
        <source>The settings file
%1
is in use by Tovrin on the computer %2, or was when that stopped.

This Tovrin runs without saving its state. If no Tovrin runs on %2, quit, remove the lock file
%3
and start again.</source>
        <translation>Le fichier de configuration
%1
est utilisé par Tovrin sur l’ordinateur %2, ou l’était quand celui-ci s’est arrêté.

Ce Tovrin fonctionne sans enregistrer son état. Si aucun Tovrin ne fonctionne sur %2, quittez, supprimez le fichier de verrou
%3
puis relancez.</translation>
    </message>
    <message>
        <source>Tovrin could not make the lock file
%1
(a folder that cannot be written, or a full disk).

This Tovrin runs without saving its state, so that it cannot overwrite another one&apos;s.</source>
        <translation>Tovrin n’a pas pu créer le fichier de verrou
%1
(un dossier protégé en écriture, ou un disque plein).

Ce Tovrin fonctionne sans enregistrer son état, afin de ne pas écraser celui d’un autre.</translation>
    </message>
    <message>
        <source>The settings file
%1
is in use by another Tovrin that does not answer.</source>
        <translation>Le fichier de configuration
%1
est utilisé par un autre Tovrin qui ne répond pas.</translation>
    </message>
    <message>
        <source>Choose how to type calculations</source>
        <translation>Choisissez comment saisir les calculs</translation>
    </message>
    <message>
        <source>Tovrin can calculate in RPN: you type the numbers first, then the operation, as in 3 ENTER 4 +. Without RPN you type 3 + 4 =, as on most calculators.

You can change this at any time in Options › Preferences.</source>
        <translation>Tovrin sait calculer en mode RPN : vous tapez d’abord les nombres, puis l’opération, comme 3 ENTER 4 +. Sans le mode RPN, vous tapez 3 + 4 =, comme sur la plupart des calculatrices.

Vous pouvez changer cela à tout moment dans Options › Préférences.</translation>
    </message>
</context>
<context>
    <name>StatisticsForm</name>
    <message>
        <source>Number of points</source>
        <translation>Nombre de points</translation>
    </message>
    <message>
        <source>Slope</source>
        <translation>Pente</translation>
    </message>
    <message>
        <source>Intercept</source>
        <translation>Ordonnée à l’origine</translation>
    </message>
    <message>
        <source>Correlation</source>
        <translation>Corrélation</translation>
    </message>
    <message>
        <source>Mean of x</source>
        <translation>Moyenne de x</translation>
    </message>
    <message>
        <source>Sample deviation of x</source>
        <translation>Écart type de l’échantillon de x</translation>
    </message>
    <message>
        <source>Population deviation of x</source>
        <translation>Écart type de la population de x</translation>
    </message>
    <message>
        <source>Mean of y</source>
        <translation>Moyenne de y</translation>
    </message>
    <message>
        <source>Sample deviation of y</source>
        <translation>Écart type de l’échantillon de y</translation>
    </message>
    <message>
        <source>Population deviation of y</source>
        <translation>Écart type de la population de y</translation>
    </message>
    <message>
        <source>Statistics Data</source>
        <translation>Données statistiques</translation>
    </message>
    <message>
        <source>&amp;Rebuild the sums from the list</source>
        <translation>&amp;Recalculer les sommes depuis la liste</translation>
    </message>
    <message>
        <source>C&amp;lear the list</source>
        <translation>&amp;Vider la liste</translation>
    </message>
    <message>
        <source>Points</source>
        <translation>Points</translation>
    </message>
    <message>
        <source>&amp;Add Row</source>
        <translation>&amp;Ajouter une ligne</translation>
    </message>
    <message>
        <source>&amp;Delete Rows</source>
        <translation>&amp;Supprimer les lignes</translation>
    </message>
    <message>
        <source>&amp;Paste</source>
        <translation>&amp;Coller</translation>
    </message>
    <message>
        <source>&amp;Import...</source>
        <translation>&amp;Importer...</translation>
    </message>
    <message>
        <source>E&amp;xport...</source>
        <translation>E&amp;xporter...</translation>
    </message>
    <message>
        <source>&amp;Copy Equation</source>
        <translation>Copier l’é&amp;quation</translation>
    </message>
    <message>
        <source>No line: it needs two points with different x.</source>
        <translation>Pas de droite : il faut deux points d’abscisses x différentes.</translation>
    </message>
    <message>
        <source>The sums do not match the list: a point that the list does not hold was removed, or a sum was changed otherwise.</source>
        <translation>Les sommes ne correspondent pas à la liste : un point absent de la liste a été retiré, ou une somme a été modifiée autrement.</translation>
    </message>
    <message>
        <source>The list holds only the first %1 points; the sums hold all %2.</source>
        <translation>La liste ne garde que les %1 premiers points ; les sommes en comptent %2.</translation>
    </message>
    <message>
        <source>The sums also hold points that are not in the list: it was cleared on its own, or they were entered before the list was kept.</source>
        <translation>Les sommes contiennent aussi des points absents de la liste : elle a été vidée seule, ou ils ont été saisis avant que la liste ne soit tenue.</translation>
    </message>
    <message>
        <source>The list holds at most %1 points.</source>
        <translation>La liste contient au plus %1 points.</translation>
    </message>
    <message>
        <source>%1: there are no numbers.</source>
        <extracomment>%1 is &quot;Nothing was pasted&quot; or &quot;Nothing was imported&quot;.</extracomment>
        <translation>%1 : il n’y a aucun nombre.</translation>
    </message>
    <message>
        <source>%1: line %2, column %3 is not a number: “%4”.</source>
        <extracomment>%1 is &quot;Nothing was pasted&quot; or &quot;Nothing was imported&quot;; %2 the line, %3 the column, %4 the cell&apos;s text.</extracomment>
        <translation>%1 : ligne %2, colonne %3, ce n’est pas un nombre : « %4 ».</translation>
    </message>
    <message>
        <source>%1: line %2 has %3 cells; a point has x and y.</source>
        <extracomment>%1 is &quot;Nothing was pasted&quot; or &quot;Nothing was imported&quot;; %2 the line, %3 its number of cells.</extracomment>
        <translation>%1 : la ligne %2 a %3 cellules ; un point a x et y.</translation>
    </message>
    <message>
        <source>%1: the list holds at most %2 points.</source>
        <extracomment>%1 is &quot;Nothing was pasted&quot; or &quot;Nothing was imported&quot;; %2 is 10,000.</extracomment>
        <translation>%1 : la liste contient au plus %2 points.</translation>
    </message>
    <message>
        <source>Nothing was pasted</source>
        <translation>Rien n’a été collé</translation>
    </message>
    <message>
        <source>Nothing was imported: %1 could not be read.</source>
        <translation>Rien n’a été importé : %1 n’a pas pu être lu.</translation>
    </message>
    <message>
        <source>Nothing was imported</source>
        <translation>Rien n’a été importé</translation>
    </message>
    <message>
        <source>Import Points</source>
        <translation>Importer des points</translation>
    </message>
    <message>
        <source>CSV (*.csv);;Text (*.txt *.tsv);;All files (*)</source>
        <translation>CSV (*.csv);;Texte (*.txt *.tsv);;Tous les fichiers (*)</translation>
    </message>
    <message>
        <source>Export Points</source>
        <translation>Exporter les points</translation>
    </message>
    <message>
        <source>points.csv</source>
        <translation>points.csv</translation>
    </message>
    <message>
        <source>CSV (*.csv)</source>
        <translation>CSV (*.csv)</translation>
    </message>
    <message>
        <source>The points could not be saved to %1.</source>
        <translation>Les points n’ont pas pu être enregistrés dans %1.</translation>
    </message>
    <message>
        <source>y = %1·x %2 %3</source>
        <extracomment>The least-squares line: %1 the slope, %2 + or −, %3 the intercept.</extracomment>
        <translation>y = %1·x %2 %3</translation>
    </message>
    <message>
        <source>r = %1</source>
        <extracomment>The correlation of the points.</extracomment>
        <translation>r = %1</translation>
    </message>
</context>
<context>
    <name>StatisticsPlot</name>
    <message>
        <source>Scatter plot</source>
        <translation>Nuage de points</translation>
    </message>
    <message>
        <source>No points yet. Σ+ adds one; you can also type them into the table or paste them.</source>
        <translation>Pas encore de points. Σ+ en ajoute un ; on peut aussi les saisir dans le tableau ou les coller.</translation>
    </message>
</context>
<context>
    <name>TapeForm</name>
    <message>
        <source>Tape</source>
        <translation>Bande papier</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>&amp;Copier</translation>
    </message>
    <message>
        <source>Copy &amp;All</source>
        <translation>&amp;Tout copier</translation>
    </message>
    <message>
        <source>C&amp;lear</source>
        <translation>&amp;Vider</translation>
    </message>
    <message>
        <source>&amp;Save...</source>
        <translation>&amp;Enregistrer...</translation>
    </message>
    <message>
        <source>Plain text (*.txt)</source>
        <translation>Texte brut (*.txt)</translation>
    </message>
    <message>
        <source>CSV (*.csv)</source>
        <translation>CSV (*.csv)</translation>
    </message>
    <message>
        <source>Save Tape</source>
        <translation>Enregistrer la bande papier</translation>
    </message>
    <message>
        <source>tape.txt</source>
        <translation>bande.txt</translation>
    </message>
    <message>
        <source>The tape could not be saved to %1.</source>
        <translation>La bande papier n’a pas pu être enregistrée dans %1.</translation>
    </message>
    <message>
        <source>Search</source>
        <translation>Rechercher</translation>
    </message>
    <message>
        <source>&amp;Use Result</source>
        <translation>&amp;Utiliser le résultat</translation>
    </message>
    <message>
        <source>Copy &amp;Result</source>
        <translation>Copier le &amp;résultat</translation>
    </message>
    <message>
        <source>Copy &amp;Line</source>
        <translation>Copier la &amp;ligne</translation>
    </message>
</context>
<context>
    <name>UserGuideForm</name>
    <message>
        <source>Tovrin User Guide</source>
        <translation>Guide de l’utilisateur de Tovrin</translation>
    </message>
    <message>
        <source>Navigation</source>
        <translation>Navigation</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Précédent</translation>
    </message>
    <message>
        <source>Contents</source>
        <translation>Sommaire</translation>
    </message>
</context>
<context>
    <name>UserRegistersDisplay</name>
    <message>
        <source>Register %1</source>
        <translation>Registre %1</translation>
    </message>
</context>
<context>
    <name>UserRegistersForm</name>
    <message>
        <source>User Registers</source>
        <translation>Registres utilisateur</translation>
    </message>
    <message>
        <source>Group %1</source>
        <translation>Groupe %1</translation>
    </message>
</context>
</TS>
