<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en" sourcelanguage="fr">
<context>
    <name>CatalogueNote</name>
    <message>
        <source>%1, %2</source>
        <translation>%1, %2</translation>
    </message>
    <message>
        <source>%1 %2 → %3</source>
        <translation>%1 %2 → %3</translation>
    </message>
    <message>
        <source>Le catalogue %1 n&apos;a pas pu être lu (erreur d&apos;exécution %2 : %3) : les choix du plan sont gardés tels qu&apos;enregistrés.</source>
        <translation>The catalogue %1 could not be read (run-time error %2: %3): the plan&apos;s choices are kept as saved.</translation>
    </message>
    <message>
        <source>Le revêtement %1 n&apos;est plus dans le catalogue : choisissez un revêtement.</source>
        <translation>The investment %1 is no longer in the catalogue: choose an investment.</translation>
    </message>
    <message>
        <source>Le revêtement %1 a changé dans le catalogue depuis l&apos;enregistrement du plan (%2) : ses valeurs d&apos;aujourd&apos;hui sont prises.</source>
        <translation>The investment %1 has changed in the catalogue since the plan was saved (%2): today&apos;s values are used.</translation>
    </message>
    <message>
        <source>Ligne %1 : le cylindre %2 n&apos;est plus dans le catalogue : sa taille est gardée, en « Autre ».</source>
        <translation>Line %1: the flask %2 is no longer in the catalogue: its size is kept, as “Other”.</translation>
    </message>
    <message>
        <source>Ligne %1 : le cylindre %2 a changé dans le catalogue depuis l&apos;enregistrement (%3) : sa taille d&apos;aujourd&apos;hui est prise.</source>
        <translation>Line %1: the flask %2 has changed in the catalogue since the plan was saved (%3): today&apos;s size is used.</translation>
    </message>
    <message>
        <source>Le métal %1 n&apos;est plus dans le catalogue : choisissez un métal.</source>
        <translation>The metal %1 is no longer in the catalogue: choose a metal.</translation>
    </message>
    <message>
        <source>Le métal %1 a changé dans le catalogue depuis l&apos;enregistrement du plan (%2) : sa densité d&apos;aujourd&apos;hui est prise.</source>
        <translation>The metal %1 has changed in the catalogue since the plan was saved (%2): today&apos;s density is used.</translation>
    </message>
    <message>
        <source>étape %1 retirée</source>
        <translation>step %1 removed</translation>
    </message>
    <message>
        <source>étape %1 ajoutée</source>
        <translation>step %1 added</translation>
    </message>
    <message>
        <source>étape %1 : %2</source>
        <translation>step %1: %2</translation>
    </message>
    <message>
        <source>Le programme de cuisson %1 n&apos;est plus dans le catalogue : choisissez un programme.</source>
        <translation>The burnout programme %1 is no longer in the catalogue: choose a programme.</translation>
    </message>
    <message>
        <source>Le programme de cuisson %1 a changé dans le catalogue depuis l&apos;enregistrement du plan (%2) : ses étapes d&apos;aujourd&apos;hui sont prises.</source>
        <translation>The burnout programme %1 has changed in the catalogue since the plan was saved (%2): today&apos;s steps are used.</translation>
    </message>
</context>
<context>
    <name>MetalPanel</name>
    <message>
        <source>Choisir le métal</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Saisir le modèle</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Saisir le métal</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Saisir le prix</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Reprendre le prix du revêtement</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>MixingSheet</name>
    <message>
        <source>fr_FR</source>
        <translation>en_US</translation>
    </message>
    <message>
        <source>&apos;1er&apos; MMMM yyyy</source>
        <translation>d MMMM yyyy</translation>
    </message>
    <message>
        <source>d MMMM yyyy</source>
        <translation>d MMMM yyyy</translation>
    </message>
    <message>
        <source>Fiche de mélange</source>
        <translation>Mixing sheet</translation>
    </message>
    <message>
        <source>Date : ……………………</source>
        <translation>Date: ……………………</translation>
    </message>
    <message>
        <source>Gypsomix – Plan de coulée</source>
        <translation>Gypsomix – Casting Plan</translation>
    </message>
    <message>
        <source>Revêtement</source>
        <translation>Investment</translation>
    </message>
    <message>
        <source>Eau pour ce mélange (%)</source>
        <translation>Water for this mix (%)</translation>
    </message>
    <message>
        <source>pesé</source>
        <translation>weighed</translation>
    </message>
    <message>
        <source>Volume à remplir (dm3)</source>
        <translation>Volume to fill (dm3)</translation>
    </message>
    <message>
        <source>Marge</source>
        <translation>Margin</translation>
    </message>
    <message>
        <source>Masse de revêtement (g)</source>
        <translation>Investment powder (g)</translation>
    </message>
    <message>
        <source>Masse d&apos;eau (g)</source>
        <translation>Water (g)</translation>
    </message>
    <message>
        <source>Liquide total (g)</source>
        <translation>Total liquid (g)</translation>
    </message>
    <message>
        <source>dont liquide spécial (g)</source>
        <translation>of which special liquid (g)</translation>
    </message>
    <message>
        <source>dont eau (g)</source>
        <translation>of which water (g)</translation>
    </message>
    <message>
        <source>Concentration (%)</source>
        <translation>Concentration (%)</translation>
    </message>
    <message>
        <source>Temps de travail, depuis le contact de l&apos;eau et de la poudre</source>
        <translation>Working time, from when water meets powder</translation>
    </message>
    <message>
        <source>Les temps de ce revêtement ne permettent pas de tracer la frise du travail.</source>
        <translation>This investment&apos;s times do not allow the working time to be drawn.</translation>
    </message>
    <message>
        <source>Malaxage</source>
        <translation>Mixing</translation>
    </message>
    <message>
        <source>Coulée</source>
        <translation>Pouring</translation>
    </message>
    <message>
        <source>Prise</source>
        <translation>Setting</translation>
    </message>
    <message>
        <source>%1 min</source>
        <translation>%1 min</translation>
    </message>
    <message>
        <source>Cylindre</source>
        <translation>Flask</translation>
    </message>
    <message>
        <source>Nombre</source>
        <translation>Count</translation>
    </message>
    <message>
        <source>Diamètre</source>
        <translation>Diameter</translation>
    </message>
    <message>
        <source>Hauteur</source>
        <translation>Height</translation>
    </message>
    <message>
        <source>Unité</source>
        <translation>Unit</translation>
    </message>
    <message>
        <source>Arbre et socle (cm³)</source>
        <translation>Tree and base (cm³)</translation>
    </message>
    <message>
        <source>Volume (dm3)</source>
        <translation>Volume (dm3)</translation>
    </message>
    <message>
        <source>Cylindres à remplir</source>
        <translation>Flasks to fill</translation>
    </message>
    <message>
        <source>… et 1 autre ligne, voir le plan</source>
        <translation>… and 1 more line, see the plan</translation>
    </message>
    <message>
        <source>… et %1 autres lignes, voir le plan</source>
        <translation>… and %1 more lines, see the plan</translation>
    </message>
    <message>
        <source>Pesé par</source>
        <translation>Weighed by</translation>
    </message>
    <message>
        <source>Heure du mélange</source>
        <translation>Mixed at</translation>
    </message>
    <message>
        <source>Heure de coulée</source>
        <translation>Cast at</translation>
    </message>
    <message>
        <source>Remarques</source>
        <translation>Remarks</translation>
    </message>
    <message>
        <source>Eau utilisée (%)</source>
        <translation>Water ratio (%)</translation>
    </message>
    <message>
        <source>Temps de malaxage (min)</source>
        <translation>Mixing time (min)</translation>
    </message>
    <message>
        <source>Temps de gel (min)</source>
        <translation>Setting time (min)</translation>
    </message>
    <message>
        <source>Temps utile de coulabilité (min)</source>
        <translation>Pouring time (min)</translation>
    </message>
    <message>
        <source>Densité du revêtement liquide</source>
        <translation>Density of the liquid investment</translation>
    </message>
    <message>
        <source>Expansion de prise à 1 heure</source>
        <translation>Setting expansion at 1 hour</translation>
    </message>
    <message>
        <source>Expansion de prise à 2 heures</source>
        <translation>Setting expansion at 2 hours</translation>
    </message>
    <message>
        <source>Autre</source>
        <translation>Other</translation>
    </message>
    <message>
        <source>po</source>
        <translation>in</translation>
    </message>
    <message>
        <source>mm</source>
        <translation>mm</translation>
    </message>
    <message>
        <source>Brut</source>
        <translation>Exact</translation>
    </message>
    <message>
        <source>Imprimer la fiche de mélange</source>
        <translation>Print the mixing sheet</translation>
    </message>
    <message>
        <source>La fiche de mélange n&apos;a pas pu être imprimée.</source>
        <translation>The mixing sheet could not be printed.</translation>
    </message>
    <message>
        <source>Fiche de mélange %1.pdf</source>
        <translation>Mixing sheet %1.pdf</translation>
    </message>
    <message>
        <source>Enregistrer la fiche de mélange</source>
        <translation>Save the mixing sheet</translation>
    </message>
    <message>
        <source>Document PDF (*.pdf)</source>
        <translation>PDF document (*.pdf)</translation>
    </message>
    <message>
        <source>La fiche de mélange n&apos;a pas pu être écrite dans « %1 ».</source>
        <translation>The mixing sheet could not be written to “%1”.</translation>
    </message>
</context>
<context>
    <name>OvenPanel</name>
    <message>
        <source>Enfourner</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Enfourner à l&apos;heure prévue</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Arrêter le four</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Choisir le programme de cuisson</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Saisir la température de départ</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Saisir le repos avant cuisson</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Saisir l&apos;heure de coulée</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Choisissez un programme</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>OvenTimer</name>
    <message>
        <source>Four</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Enfourner</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Les cylindres entrent au four maintenant.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>À l&apos;heure prévue</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Le four part à l&apos;heure que le plan donne pour enfourner (départ différé du four).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Arrêter</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cuisson terminée : les cylindres sont prêts à couler</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Enfourner : %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Enfourné à %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Programme à corriger</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Four non démarré</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Le plan fait enfourner à %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Enfournement à %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>dans %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>reste %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Puis %1 à %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fin de la cuisson à %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cuisson terminée</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Terminée à %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cuisson : %1</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>PlanCommandLine</name>
    <message>
        <source>gypsomix-plan : %1
</source>
        <translation>gypsomix-plan: %1
</translation>
    </message>
    <message>
        <source>la fiche du plan « %1 » ne peut pas être faite : %2</source>
        <translation>the sheet of the plan “%1” cannot be made: %2</translation>
    </message>
    <message>
        <source>aucun revêtement n&apos;est choisi.</source>
        <translation>no investment is chosen.</translation>
    </message>
    <message>
        <source>la fiche n&apos;a pas pu être écrite dans « %1 ».</source>
        <translation>the sheet could not be written to “%1”.</translation>
    </message>
    <message>
        <source>Gypsomix – Plan de coulée : les masses de revêtement et d&apos;eau de plusieurs cylindres.</source>
        <translation>Gypsomix – Casting Plan: the investment powder and water for several flasks.</translation>
    </message>
    <message>
        <source>Écrit la fiche de mélange du plan dans &lt;fiche.pdf&gt; et quitte, sans ouvrir de fenêtre.</source>
        <translation>Writes the plan&apos;s mixing sheet to &lt;sheet.pdf&gt; and quits, without opening a window.</translation>
    </message>
    <message>
        <source>fiche.pdf</source>
        <translation>sheet.pdf</translation>
    </message>
    <message>
        <source>Écrit le journal des coulées en CSV dans &lt;journal.csv&gt; et quitte, sans ouvrir de fenêtre.</source>
        <translation>Writes the casting journal as CSV to &lt;journal.csv&gt; and quits, without opening a window.</translation>
    </message>
    <message>
        <source>journal.csv</source>
        <translation>journal.csv</translation>
    </message>
    <message>
        <source>Le plan de coulée à ouvrir (.gypsoplan).</source>
        <translation>The casting plan to open (.gypsoplan).</translation>
    </message>
    <message>
        <source>un seul plan à la fois.</source>
        <translation>one plan at a time.</translation>
    </message>
    <message>
        <source>--pdf demande le plan dont écrire la fiche.</source>
        <translation>--pdf needs the plan whose sheet to write.</translation>
    </message>
</context>
<context>
    <name>PlanEditor</name>
    <message>
        <source>Ajouter une ligne</source>
        <translation>Add a line</translation>
    </message>
    <message>
        <source>Dupliquer la ligne</source>
        <translation>Duplicate the line</translation>
    </message>
    <message>
        <source>Supprimer la ligne</source>
        <translation>Remove the line</translation>
    </message>
</context>
<context>
    <name>PlanFault</name>
    <message>
        <source>%1 (étape %2, %3) : %4.</source>
        <translation>%1 (step %2, %3): %4.</translation>
    </message>
    <message>
        <source>%1 (%2) : %3.</source>
        <translation>%1 (%2): %3.</translation>
    </message>
    <message>
        <source>%1 est en deçà des limites d&apos;un nombre réel</source>
        <translation>%1 is below the limits of a real number</translation>
    </message>
    <message>
        <source>%1 °C est en dessous du zéro absolu, −273,15 °C</source>
        <translation>%1 °C is below absolute zero, −273.15 °C</translation>
    </message>
    <message>
        <source>%1 %2 est négatif</source>
        <translation>%1 %2 is negative</translation>
    </message>
    <message>
        <source>le programme dure plus de 7 jours (10 080 min)</source>
        <translation>the programme lasts more than 7 days (10,080 min)</translation>
    </message>
    <message>
        <source>%1 min dépasse 7 jours (10 080 min)</source>
        <translation>%1 min is more than 7 days (10,080 min)</translation>
    </message>
    <message>
        <source>« %1 »</source>
        <translation>“%1”</translation>
    </message>
    <message>
        <source>« %1… »</source>
        <translation>“%1…”</translation>
    </message>
    <message>
        <source>%1 dépasse les limites d&apos;un nombre réel</source>
        <translation>%1 is beyond the limits of a real number</translation>
    </message>
    <message>
        <source>le champ est vide, ce n&apos;est pas un nombre</source>
        <translation>the field is empty, which is not a number</translation>
    </message>
    <message>
        <source>%1 n&apos;est pas un nombre</source>
        <translation>%1 is not a number</translation>
    </message>
    <message>
        <source>%1%2 est négatif</source>
        <translation>%1%2 is negative</translation>
    </message>
    <message>
        <source>%1 n&apos;est pas une densité, qui est plus grande que 0</source>
        <translation>%1 is not a density, which is greater than 0</translation>
    </message>
    <message>
        <source>%1 % n&apos;est pas entre 0 et 100</source>
        <translation>%1 % is not between 0 and 100</translation>
    </message>
    <message>
        <source>%1, il faut au moins un cylindre</source>
        <translation>%1, at least one flask is needed</translation>
    </message>
    <message>
        <source>le métal d&apos;un cylindre atteint 10 000 000 g</source>
        <translation>the metal of one flask reaches 10,000,000 g</translation>
    </message>
    <message>
        <source>le métal à fondre atteint 10 000 000 g</source>
        <translation>the metal to melt reaches 10,000,000 g</translation>
    </message>
    <message>
        <source>le coût atteint 10 000 000</source>
        <translation>the cost reaches 10,000,000</translation>
    </message>
    <message>
        <source>%1 (ligne %2, %3) : %4.</source>
        <translation>%1 (line %2, %3): %4.</translation>
    </message>
    <message>
        <source>%1 n&apos;est ni un nombre ni une longueur en pouces</source>
        <translation>%1 is neither a number nor a length in inches</translation>
    </message>
    <message>
        <source>%1 n&apos;est pas une fraction de pouce</source>
        <translation>%1 is not a fraction of an inch</translation>
    </message>
    <message>
        <source>%1 po en millimètres dépasse les limites du calcul</source>
        <translation>%1 in in millimetres is beyond the limits of the calculation</translation>
    </message>
    <message>
        <source>le volume de ce cylindre dépasse les limites du calcul</source>
        <translation>this flask&apos;s volume is beyond the limits of the calculation</translation>
    </message>
    <message>
        <source>%1 cm³ est négatif</source>
        <translation>%1 cm³ is negative</translation>
    </message>
    <message>
        <source>%1 cm³ dépasse le volume du cylindre, %2 dm³</source>
        <translation>%1 cm³ is more than the flask&apos;s volume, %2 dm³</translation>
    </message>
    <message>
        <source>le volume à remplir dépasse les limites du calcul</source>
        <translation>the volume to fill is beyond the limits of the calculation</translation>
    </message>
    <message>
        <source>le volume à remplir dépasse les limites de la simple précision</source>
        <translation>the volume to fill is beyond the limits of single precision</translation>
    </message>
    <message>
        <source>%1 % d&apos;eau annule le diviseur de la masse de revêtement</source>
        <translation>%1 % water makes the investment powder&apos;s divisor zero</translation>
    </message>
    <message>
        <source>les masses dépassent les limites du calcul</source>
        <translation>the masses are beyond the limits of the calculation</translation>
    </message>
    <message>
        <source>%1 g est négatif</source>
        <translation>%1 g is negative</translation>
    </message>
    <message>
        <source>%1 n&apos;est pas un nombre entier de grammes</source>
        <translation>%1 is not a whole number of grams</translation>
    </message>
    <message>
        <source>%1 min est négatif</source>
        <translation>%1 min is negative</translation>
    </message>
    <message>
        <source>%1 min dépasse la durée que la minuterie peut compter</source>
        <translation>%1 min is longer than the timer can count</translation>
    </message>
    <message>
        <source>%1 min finit avant la fin du malaxage, %2 min</source>
        <translation>%1 min ends before mixing ends, %2 min</translation>
    </message>
    <message>
        <source>%1 min vient avant la fin de la coulée, %2 min</source>
        <translation>%1 min comes before pouring ends, %2 min</translation>
    </message>
</context>
<context>
    <name>PlanField</name>
    <message>
        <source>température de départ</source>
        <translation>starting temperature</translation>
    </message>
    <message>
        <source>température visée</source>
        <translation>target temperature</translation>
    </message>
    <message>
        <source>vitesse de montée</source>
        <translation>rate of climb</translation>
    </message>
    <message>
        <source>palier</source>
        <translation>hold</translation>
    </message>
    <message>
        <source>durée totale</source>
        <translation>total time</translation>
    </message>
    <message>
        <source>repos avant cuisson</source>
        <translation>bench rest</translation>
    </message>
    <message>
        <source>densité du revêtement liquide</source>
        <translation>density of the liquid investment</translation>
    </message>
    <message>
        <source>eau utilisée</source>
        <translation>water ratio</translation>
    </message>
    <message>
        <source>nombre de cylindres</source>
        <translation>number of flasks</translation>
    </message>
    <message>
        <source>diamètre</source>
        <translation>diameter</translation>
    </message>
    <message>
        <source>hauteur</source>
        <translation>height</translation>
    </message>
    <message>
        <source>volume du cylindre</source>
        <translation>flask volume</translation>
    </message>
    <message>
        <source>arbre et socle</source>
        <translation>tree and base</translation>
    </message>
    <message>
        <source>volume à remplir</source>
        <translation>volume to fill</translation>
    </message>
    <message>
        <source>masses</source>
        <translation>masses</translation>
    </message>
    <message>
        <source>liquide</source>
        <translation>liquid</translation>
    </message>
    <message>
        <source>concentration</source>
        <translation>concentration</translation>
    </message>
    <message>
        <source>densité du métal</source>
        <translation>metal density</translation>
    </message>
    <message>
        <source>densité du modèle</source>
        <translation>pattern density</translation>
    </message>
    <message>
        <source>surplus pour la masselotte</source>
        <translation>extra for sprues and button</translation>
    </message>
    <message>
        <source>bouton par cylindre</source>
        <translation>button per flask</translation>
    </message>
    <message>
        <source>modèle</source>
        <translation>pattern</translation>
    </message>
    <message>
        <source>métal à fondre</source>
        <translation>metal to melt</translation>
    </message>
    <message>
        <source>prix du revêtement</source>
        <translation>investment price</translation>
    </message>
    <message>
        <source>prix du métal</source>
        <translation>metal price</translation>
    </message>
    <message>
        <source>coût</source>
        <translation>cost</translation>
    </message>
    <message>
        <source>temps de malaxage</source>
        <translation>mixing time</translation>
    </message>
    <message>
        <source>temps utile de coulabilité</source>
        <translation>pouring time</translation>
    </message>
    <message>
        <source>temps de gel</source>
        <translation>setting time</translation>
    </message>
    <message>
        <source>temps de coulabilité</source>
        <translation>pouring time</translation>
    </message>
    <message>
        <source>densité</source>
        <translation>density</translation>
    </message>
    <message>
        <source>expansion à 1 heure</source>
        <translation>expansion at 1 hour</translation>
    </message>
    <message>
        <source>expansion à 2 heures</source>
        <translation>expansion at 2 hours</translation>
    </message>
    <message>
        <source>température</source>
        <translation>temperature</translation>
    </message>
    <message>
        <source>vitesse</source>
        <translation>rate</translation>
    </message>
</context>
<context>
    <name>PlanFile</name>
    <message>
        <source>ce n&apos;est pas un plan de coulée de Gypsomix</source>
        <translation>it is not a Gypsomix casting plan</translation>
    </message>
    <message>
        <source>ligne %1, colonne %2</source>
        <translation>line %1, column %2</translation>
    </message>
    <message>
        <source>%1 (valeurs imbriquées sur plus de %2 niveaux)</source>
        <translation>%1 (values nested more than %2 levels deep)</translation>
    </message>
    <message>
        <source>un nombre y dépasse les limites d&apos;un nombre réel (%1)</source>
        <translation>a number in it is beyond the limits of a real number (%1)</translation>
    </message>
    <message>
        <source>ce n&apos;est pas du JSON valide (%1)</source>
        <translation>it is not valid JSON (%1)</translation>
    </message>
    <message>
        <source>« %1 » doit %2</source>
        <translation>“%1” must %2</translation>
    </message>
    <message>
        <source>être un texte</source>
        <translation>be a text</translation>
    </message>
    <message>
        <source>être un texte ou null</source>
        <translation>be a text or null</translation>
    </message>
    <message>
        <source>être un objet ou null</source>
        <translation>be an object or null</translation>
    </message>
    <message>
        <source>être une liste de %1 textes</source>
        <translation>be a list of %1 texts</translation>
    </message>
    <message>
        <source>être un objet</source>
        <translation>be an object</translation>
    </message>
    <message>
        <source>valoir « mm » ou « in »</source>
        <translation>be “mm” or “in”</translation>
    </message>
    <message>
        <source>être un nombre entier de 1 à %1</source>
        <translation>be a whole number from 1 to %1</translation>
    </message>
    <message>
        <source>il y manque « lines », la liste des cylindres</source>
        <translation>“lines”, the list of flasks, is missing</translation>
    </message>
    <message>
        <source>être une liste de 1 à %1 lignes</source>
        <translation>be a list of 1 to %1 lines</translation>
    </message>
    <message>
        <source>être une liste</source>
        <translation>be a list</translation>
    </message>
    <message>
        <source>il a été écrit par une version plus récente de Gypsomix (format %1) ; mettez Gypsomix à jour pour l&apos;ouvrir</source>
        <translation>it was written by a newer version of Gypsomix (format %1); update Gypsomix to open it</translation>
    </message>
    <message>
        <source>il dépasse 1 Mio</source>
        <translation>it is larger than 1 MiB</translation>
    </message>
    <message>
        <source>valoir 0, 5 ou 10</source>
        <translation>be 0, 5 or 10</translation>
    </message>
</context>
<context>
    <name>PlanFiles</name>
    <message>
        <source>Le plan « %1 » n&apos;a pas pu être ouvert : %2.</source>
        <translation>The plan “%1” could not be opened: %2.</translation>
    </message>
    <message>
        <source>Plans de coulée (*.%1)</source>
        <translation>Casting plans (*.%1)</translation>
    </message>
    <message>
        <source>Le plan n&apos;a pas pu être enregistré dans « %1 » : %2.</source>
        <translation>The plan could not be saved to “%1”: %2.</translation>
    </message>
    <message>
        <source>Sans titre</source>
        <translation>Untitled</translation>
    </message>
</context>
<context>
    <name>PlanMainWindow</name>
    <message>
        <source>Gypsomix – Plan de coulée</source>
        <translation>Gypsomix – Casting Plan</translation>
    </message>
    <message>
        <source>Fermer ce message</source>
        <translation>Close this message</translation>
    </message>
    <message>
        <source>Plan</source>
        <translation>Plan</translation>
    </message>
    <message>
        <source>Métal</source>
        <translation>Metal</translation>
    </message>
    <message>
        <source>Cuisson</source>
        <translation>Burnout</translation>
    </message>
    <message>
        <source>&amp;Fichier</source>
        <translation>&amp;File</translation>
    </message>
    <message>
        <source>&amp;Nouveau</source>
        <translation>&amp;New</translation>
    </message>
    <message>
        <source>&amp;Ouvrir…</source>
        <translation>&amp;Open…</translation>
    </message>
    <message>
        <source>Plans &amp;récents</source>
        <translation>&amp;Recent Plans</translation>
    </message>
    <message>
        <source>&amp;Enregistrer</source>
        <translation>&amp;Save</translation>
    </message>
    <message>
        <source>Enregistrer &amp;sous…</source>
        <translation>Save &amp;As…</translation>
    </message>
    <message>
        <source>&amp;Imprimer la fiche…</source>
        <translation>&amp;Print the Sheet…</translation>
    </message>
    <message>
        <source>Enregistrer la fiche en &amp;PDF…</source>
        <translation>Save the Sheet as P&amp;DF…</translation>
    </message>
    <message>
        <source>&amp;Quitter</source>
        <translation>&amp;Quit</translation>
    </message>
    <message>
        <source>Éditio&amp;n</source>
        <translation>&amp;Edit</translation>
    </message>
    <message>
        <source>Annuler</source>
        <translation>Undo</translation>
    </message>
    <message>
        <source>Rétablir</source>
        <translation>Redo</translation>
    </message>
    <message>
        <source>Ajouter une ligne</source>
        <translation>Add a Line</translation>
    </message>
    <message>
        <source>Dupliquer la ligne</source>
        <translation>Duplicate the Line</translation>
    </message>
    <message>
        <source>Supprimer la ligne</source>
        <translation>Remove the Line</translation>
    </message>
    <message>
        <source>&amp;Catalogues</source>
        <translation>&amp;Catalogues</translation>
    </message>
    <message>
        <source>&amp;Revêtements…</source>
        <translation>&amp;Investments…</translation>
    </message>
    <message>
        <source>C&amp;ylindres…</source>
        <translation>&amp;Flasks…</translation>
    </message>
    <message>
        <source>&amp;Métaux…</source>
        <translation>&amp;Metals…</translation>
    </message>
    <message>
        <source>&amp;Programmes de cuisson…</source>
        <translation>&amp;Burnout Programmes…</translation>
    </message>
    <message>
        <source>&amp;Journal</source>
        <translation>&amp;Journal</translation>
    </message>
    <message>
        <source>&amp;Consigner la coulée</source>
        <translation>&amp;Record the Cast</translation>
    </message>
    <message>
        <source>&amp;Journal des coulées</source>
        <translation>Casting &amp;Journal</translation>
    </message>
    <message>
        <source>Minuterie démarrée : consigner cette coulée dans le journal ?</source>
        <translation>Timer started: record this cast in the journal?</translation>
    </message>
    <message>
        <source>Consigner la coulée</source>
        <translation>Record the cast</translation>
    </message>
    <message>
        <source>Ai&amp;de</source>
        <translation>&amp;Help</translation>
    </message>
    <message>
        <source>&amp;Dossier des catalogues</source>
        <translation>Catalogue &amp;Folder</translation>
    </message>
    <message>
        <source>À &amp;propos de Gypsomix – Plan de coulée</source>
        <translation>&amp;About Gypsomix – Casting Plan</translation>
    </message>
    <message>
        <source>À propos de Gypsomix – Plan de coulée</source>
        <translation>About Gypsomix – Casting Plan</translation>
    </message>
    <message>
        <source>&lt;b&gt;%1&lt;/b&gt;&lt;p&gt;Version %2&lt;/p&gt;&lt;p&gt;Les masses de revêtement et d&apos;eau de plusieurs cylindres coulés d&apos;un même bol.&lt;/p&gt;&lt;p&gt;Logiciel libre sous licence MIT.&lt;/p&gt;&lt;p&gt;Catalogues lus dans le dossier %3&lt;/p&gt;</source>
        <translation>&lt;b&gt;%1&lt;/b&gt;&lt;p&gt;Version %2&lt;/p&gt;&lt;p&gt;The investment powder and water for several flasks poured from one bowl.&lt;/p&gt;&lt;p&gt;Free software under the MIT licence.&lt;/p&gt;&lt;p&gt;Catalogues read from the folder %3&lt;/p&gt;</translation>
    </message>
    <message>
        <source>À propos de &amp;Qt</source>
        <translation>About &amp;Qt</translation>
    </message>
    <message>
        <source>Plan rétabli après une fermeture inattendue.</source>
        <translation>Plan restored after an unexpected shutdown.</translation>
    </message>
    <message>
        <source>Enregistrer les modifications du plan «&#xa0;%1&#xa0;»&#xa0;?</source>
        <translation>Save the changes to the plan “%1”?</translation>
    </message>
    <message>
        <source>Sinon, elles seront perdues.</source>
        <translation>Otherwise they will be lost.</translation>
    </message>
    <message>
        <source>Enregistrer</source>
        <translation>Save</translation>
    </message>
    <message>
        <source>Ne pas enregistrer</source>
        <translation>Don&apos;t Save</translation>
    </message>
    <message>
        <source>Enregistrer le plan</source>
        <translation>Save the Plan</translation>
    </message>
    <message>
        <source>Ouvrir un plan</source>
        <translation>Open a Plan</translation>
    </message>
    <message>
        <source>%1[*] – %2</source>
        <comment>file name, program</comment>
        <translation>%1[*] – %2</translation>
    </message>
    <message>
        <source>Aucun plan récent</source>
        <translation>No recent plan</translation>
    </message>
    <message>
        <source>&amp;Effacer la liste</source>
        <translation>&amp;Clear the List</translation>
    </message>
</context>
<context>
    <name>PlanWindow</name>
    <message>
        <source>Gypsomix – Plan de coulée</source>
        <translation>Gypsomix – Casting Plan</translation>
    </message>
    <message>
        <source>Revêtement</source>
        <translation>Investment</translation>
    </message>
    <message>
        <source>Sélection du revêtement</source>
        <translation>Choose the investment</translation>
    </message>
    <message>
        <source>Choisir un revêtement dans le menu déroulant</source>
        <translation>Choose an investment from the list</translation>
    </message>
    <message>
        <source>Eau utilisée (%)</source>
        <translation>Water ratio (%)</translation>
    </message>
    <message>
        <source>Densité du revêtement liquide</source>
        <translation>Density of the liquid investment</translation>
    </message>
    <message>
        <source>Eau pour ce mélange (%)</source>
        <translation>Water for this mix (%)</translation>
    </message>
    <message>
        <source>Le rapport eau/poudre de ce travail ; il reprend la valeur du catalogue à chaque choix de revêtement</source>
        <translation>This job&apos;s water to powder ratio; it goes back to the catalogue&apos;s value at each choice of investment</translation>
    </message>
    <message>
        <source>Cylindres</source>
        <translation>Flasks</translation>
    </message>
    <message>
        <source>N°</source>
        <translation>No.</translation>
    </message>
    <message>
        <source>Cylindre</source>
        <translation>Flask</translation>
    </message>
    <message>
        <source>Diamètre</source>
        <translation>Diameter</translation>
    </message>
    <message>
        <source>Hauteur</source>
        <translation>Height</translation>
    </message>
    <message>
        <source>Unité</source>
        <translation>Unit</translation>
    </message>
    <message>
        <source>Nombre</source>
        <translation>Count</translation>
    </message>
    <message>
        <source>Arbre et socle (cm³)</source>
        <translation>Tree and base (cm³)</translation>
    </message>
    <message>
        <source>Volume de l’arbre en cire et du socle d’un cylindre ; vide : aucun</source>
        <translation>Volume of one flask&apos;s wax tree and base; empty: none</translation>
    </message>
    <message>
        <source>Volume (dm3)</source>
        <translation>Volume (dm3)</translation>
    </message>
    <message>
        <source>Volume d’un cylindre de la ligne, avant déduction</source>
        <translation>Volume of one flask of the line, before the tree is taken away</translation>
    </message>
    <message>
        <source>&amp;Ajouter une ligne</source>
        <translation>&amp;Add a Line</translation>
    </message>
    <message>
        <source>Ajouter une ligne vide à la fin (Alt+A)</source>
        <translation>Add an empty line at the end (Alt+A)</translation>
    </message>
    <message>
        <source>D&amp;upliquer la ligne</source>
        <translation>D&amp;uplicate the Line</translation>
    </message>
    <message>
        <source>Copier la ligne en cours juste en dessous (Alt+U)</source>
        <translation>Copy the current line just below it (Alt+U)</translation>
    </message>
    <message>
        <source>&amp;Supprimer la ligne</source>
        <translation>&amp;Remove the Line</translation>
    </message>
    <message>
        <source>Supprimer la ligne en cours (Alt+S)</source>
        <translation>Remove the current line (Alt+R)</translation>
    </message>
    <message>
        <source>Marge</source>
        <translation>Margin</translation>
    </message>
    <message>
        <source>Brut</source>
        <translation>Exact</translation>
    </message>
    <message>
        <source>Liquide spécial</source>
        <translation>Special liquid</translation>
    </message>
    <message>
        <source>Concentration (%)</source>
        <translation>Concentration (%)</translation>
    </message>
    <message>
        <source>Part du liquide spécial dans le liquide, de 0 à 100 %</source>
        <translation>Share of special liquid in the liquid, from 0 to 100 %</translation>
    </message>
    <message>
        <source>Résultats</source>
        <translation>Results</translation>
    </message>
    <message>
        <source>Volume à remplir (dm3)</source>
        <translation>Volume to fill (dm3)</translation>
    </message>
    <message>
        <source>Masse de revêtement (g)</source>
        <translation>Investment powder (g)</translation>
    </message>
    <message>
        <source>Masse d&apos;eau (g)</source>
        <translation>Water (g)</translation>
    </message>
    <message>
        <source>dont liquide spécial (g)</source>
        <translation>of which special liquid (g)</translation>
    </message>
    <message>
        <source>dont eau (g)</source>
        <translation>of which water (g)</translation>
    </message>
    <message>
        <source>Fiche de mélange</source>
        <translation>Mixing sheet</translation>
    </message>
    <message>
        <source>&amp;Imprimer</source>
        <translation>&amp;Print</translation>
    </message>
    <message>
        <source>Imprimer la fiche de mélange du plan, sur une page A4</source>
        <translation>Print the plan&apos;s mixing sheet on one A4 page</translation>
    </message>
    <message>
        <source>&amp;Enregistrer en PDF</source>
        <translation>Save as P&amp;DF</translation>
    </message>
    <message>
        <source>Enregistrer la fiche de mélange du plan en PDF</source>
        <translation>Save the plan&apos;s mixing sheet as PDF</translation>
    </message>
    <message>
        <source>Saisir l&apos;eau pour ce mélange</source>
        <translation>Type the water for this mix</translation>
    </message>
    <message>
        <source>Saisir la concentration</source>
        <translation>Type the concentration</translation>
    </message>
    <message>
        <source>Choisir le liquide spécial</source>
        <translation>Choose the special liquid</translation>
    </message>
    <message>
        <source>Choisir la marge</source>
        <translation>Choose the margin</translation>
    </message>
    <message>
        <source>Choisir le revêtement</source>
        <translation>Choose the investment</translation>
    </message>
    <message>
        <source>Choisir le cylindre</source>
        <translation>Choose the flask</translation>
    </message>
    <message>
        <source>Saisir l&apos;arbre et le socle</source>
        <translation>Type the tree and base</translation>
    </message>
    <message>
        <source>Saisir le diamètre</source>
        <translation>Type the diameter</translation>
    </message>
    <message>
        <source>Saisir la hauteur</source>
        <translation>Type the height</translation>
    </message>
    <message>
        <source>Choisir l&apos;unité</source>
        <translation>Choose the unit</translation>
    </message>
    <message>
        <source>Changer le nombre</source>
        <translation>Change the count</translation>
    </message>
    <message>
        <source>Consi&amp;gner la coulée</source>
        <translation>Record the Ca&amp;st</translation>
    </message>
    <message>
        <source>Consigner le plan et ses résultats dans le journal des coulées</source>
        <translation>Record the plan and its results in the casting journal</translation>
    </message>
    <message>
        <source>Autre</source>
        <translation>Other</translation>
    </message>
    <message>
        <source>Choisissez d&apos;abord un revêtement.</source>
        <translation>Choose an investment first.</translation>
    </message>
    <message>
        <source>Ce revêtement n&apos;est plus dans le catalogue : choisissez-le de nouveau.</source>
        <translation>This investment is no longer in the catalogue: choose it again.</translation>
    </message>
    <message>
        <source>Les temps de ce revêtement ne conviennent pas : %1</source>
        <translation>This investment&apos;s times will not do: %1</translation>
    </message>
    <message>
        <source>Le catalogue des revêtements n&apos;a pas pu être lu.</source>
        <translation>The investment catalogue could not be read.</translation>
    </message>
    <message>
        <source>mm</source>
        <comment>millimetres</comment>
        <translation>mm</translation>
    </message>
    <message>
        <source>po</source>
        <comment>inches</comment>
        <translation>in</translation>
    </message>
    <message>
        <source>mm : millimètres ; po : pouces (2 1/2 ou 2½ acceptés)</source>
        <translation>mm: millimetres; in: inches (2 1/2 or 2½ accepted)</translation>
    </message>
    <message>
        <source>aucun</source>
        <translation>none</translation>
    </message>
    <message>
        <source>%1, ligne %2</source>
        <translation>%1, line %2</translation>
    </message>
    <message>
        <source>Ligne %1</source>
        <translation>Line %1</translation>
    </message>
    <message>
        <source>Indiquez la densité du revêtement.</source>
        <translation>Enter the density of the investment.</translation>
    </message>
    <message>
        <source>Indiquez l’eau pour ce mélange.</source>
        <translation>Enter the water for this mix.</translation>
    </message>
    <message>
        <source>Ligne %1 : indiquez le diamètre.</source>
        <translation>Line %1: enter the diameter.</translation>
    </message>
    <message>
        <source>Ligne %1 : indiquez la hauteur.</source>
        <translation>Line %1: enter the height.</translation>
    </message>
    <message>
        <source>Ligne %1 : indiquez le nombre.</source>
        <translation>Line %1: enter the count.</translation>
    </message>
    <message>
        <source>Ligne %1 : indiquez l’arbre et le socle.</source>
        <translation>Line %1: enter the tree and base.</translation>
    </message>
    <message>
        <source>Indiquez la concentration.</source>
        <translation>Enter the concentration.</translation>
    </message>
    <message>
        <source>Ligne %1 : indiquez une valeur.</source>
        <translation>Line %1: enter a value.</translation>
    </message>
    <message>
        <source>Indiquez une valeur.</source>
        <translation>Enter a value.</translation>
    </message>
    <message>
        <source>Liquide total (g)</source>
        <translation>Total liquid (g)</translation>
    </message>
    <message>
        <source>Choisissez un revêtement : les masses suivront.</source>
        <translation>Choose an investment: the masses will follow.</translation>
    </message>
    <message>
        <source>Erreur</source>
        <translation>Error</translation>
    </message>
    <message>
        <source>Message</source>
        <translation>Message</translation>
    </message>
</context>
<context>
    <name>RunTimeError</name>
    <message>
        <source>Appel de procédure ou argument incorrect</source>
        <translation>Invalid procedure call or argument</translation>
    </message>
    <message>
        <source>Dépassement de capacité</source>
        <translation>Overflow</translation>
    </message>
    <message>
        <source>Division par zéro</source>
        <translation>Division by zero</translation>
    </message>
    <message>
        <source>Type incompatible</source>
        <translation>Type mismatch</translation>
    </message>
    <message>
        <source>Erreur d&apos;exécution</source>
        <translation>Run-time error</translation>
    </message>
    <message>
        <source>Type incompatible : un champ vide n&apos;est pas un nombre.</source>
        <translation>Type mismatch: an empty field is not a number.</translation>
    </message>
    <message>
        <source>Type incompatible : %1 n&apos;est pas un nombre.</source>
        <translation>Type mismatch: %1 is not a number.</translation>
    </message>
    <message>
        <source>Dépassement de capacité : %1 dépasse les limites d&apos;un nombre réel.</source>
        <translation>Overflow: %1 is beyond the limits of a real number.</translation>
    </message>
    <message>
        <source>« %1 » (%2)</source>
        <translation>“%1” (%2)</translation>
    </message>
    <message>
        <source>« %1 »</source>
        <translation>“%1”</translation>
    </message>
    <message>
        <source>erreur de lecture</source>
        <translation>read error</translation>
    </message>
    <message>
        <source>accès refusé</source>
        <translation>access denied</translation>
    </message>
    <message>
        <source>c&apos;est un dossier, pas un fichier</source>
        <translation>it is a folder, not a file</translation>
    </message>
    <message>
        <source>Impossible de lire le fichier %1 : %2.</source>
        <translation>Cannot read the file %1: %2.</translation>
    </message>
    <message>
        <source>Impossible de lire le fichier %1 : ce n&apos;est pas un fichier ordinaire.</source>
        <translation>Cannot read the file %1: it is not a regular file.</translation>
    </message>
    <message>
        <source>Fichier introuvable : %1.</source>
        <translation>File not found: %1.</translation>
    </message>
    <message>
        <source>fichier « %1 », enregistrement %2, champ %3</source>
        <translation>file “%1”, record %2, field %3</translation>
    </message>
    <message>
        <source>fichier « %1 », champ %2</source>
        <translation>file “%1”, field %2</translation>
    </message>
    <message>
        <source>Lecture au-delà de la fin du fichier : %1 manquant (enregistrement incomplet ou ligne vide en fin de fichier).</source>
        <translation>Input past end of file: %1 missing (an incomplete record or an empty line at the end of the file).</translation>
    </message>
    <message>
        <source>Dépassement de capacité : le nombre « %1 » (%2) dépasse les limites d&apos;un nombre réel.</source>
        <translation>Overflow: the number “%1” (%2) is beyond the limits of a real number.</translation>
    </message>
    <message>
        <source>Erreur d&apos;exécution %1</source>
        <translation>Run-time error %1</translation>
    </message>
</context>
<context>
    <name>WorkingTimer</name>
    <message>
        <source>Minuterie</source>
        <translation>Timer</translation>
    </message>
    <message>
        <source>Temps écoulé depuis que l&apos;eau a touché la poudre, en minutes et secondes</source>
        <translation>Time since water met powder, in minutes and seconds</translation>
    </message>
    <message>
        <source>Prêt</source>
        <translation>Ready</translation>
    </message>
    <message>
        <source>Phase du revêtement</source>
        <translation>Phase of the investment</translation>
    </message>
    <message>
        <source>Temps restant dans la phase</source>
        <translation>Time left in the phase</translation>
    </message>
    <message>
        <source>Temps de travail écoulé jusqu&apos;à la prise</source>
        <translation>Working time elapsed until setting</translation>
    </message>
    <message>
        <source>Démarrer</source>
        <translation>Start</translation>
    </message>
    <message>
        <source>Au moment où l&apos;eau touche la poudre</source>
        <translation>When water meets powder</translation>
    </message>
    <message>
        <source>Arrêter</source>
        <translation>Stop</translation>
    </message>
    <message>
        <source>Arrêter et remettre à zéro</source>
        <translation>Stop and reset</translation>
    </message>
    <message>
        <source>Malaxage</source>
        <translation>Mixing</translation>
    </message>
    <message>
        <source>Coulée</source>
        <translation>Pouring</translation>
    </message>
    <message>
        <source>Prise</source>
        <translation>Setting</translation>
    </message>
    <message>
        <source>Terminé</source>
        <translation>Done</translation>
    </message>
    <message>
        <source>Non démarré</source>
        <translation>Not started</translation>
    </message>
    <message>
        <source>reste %1</source>
        <translation>%1 left</translation>
    </message>
    <message>
        <source>Fin du malaxage à %1, fin de la coulée à %2, prise à %3</source>
        <translation>Mixing ends at %1, pouring ends at %2, setting at %3</translation>
    </message>
</context>
</TS>
