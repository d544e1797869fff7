<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en" sourcelanguage="fr">
<context>
    <name>BurnoutChart</name>
    <message>
        <source>%1 min</source>
        <translation>%1 min</translation>
    </message>
    <message>
        <source>Courbe de cuisson</source>
        <translation>Burnout curve</translation>
    </message>
    <message>
        <source>Ce programme ne dure pas une minute.</source>
        <translation>This programme lasts less than a minute.</translation>
    </message>
    <message>
        <source>%1 h</source>
        <translation>%1 h</translation>
    </message>
    <message>
        <source>maintenant</source>
        <translation>now</translation>
    </message>
</context>
<context>
    <name>CatalogueEditor</name>
    <message>
        <source>«&#xa0;%1&#xa0;»</source>
        <translation>“%1”</translation>
    </message>
    <message>
        <source>UTF-8 avec BOM</source>
        <translation>UTF-8 with BOM</translation>
    </message>
    <message>
        <source>Programmes</source>
        <translation>Programmes</translation>
    </message>
    <message>
        <source>L&apos;encodage et les fins de ligne du fichier, que l&apos;enregistrement garde</source>
        <translation>The file&apos;s encoding and line ends, which saving keeps</translation>
    </message>
    <message>
        <source>Enregistrer</source>
        <translation>Save</translation>
    </message>
    <message>
        <source>Enregistrer le catalogue ; le fichier précédent est gardé en .bak</source>
        <translation>Save the catalogue; the previous file is kept as .bak</translation>
    </message>
    <message>
        <source>Fermer</source>
        <translation>Close</translation>
    </message>
    <message>
        <source>Ajouter %1</source>
        <translation>Add %1</translation>
    </message>
    <message>
        <source>Dupliquer %1</source>
        <translation>Duplicate %1</translation>
    </message>
    <message>
        <source>Supprimer %1</source>
        <translation>Delete %1</translation>
    </message>
    <message>
        <source>Monter %1</source>
        <translation>Move %1 up</translation>
    </message>
    <message>
        <source>Descendre %1</source>
        <translation>Move %1 down</translation>
    </message>
    <message>
        <source>Ouvrir dans l&apos;éditeur de texte</source>
        <translation>Open in the text editor</translation>
    </message>
    <message>
        <source>Aucun éditeur de texte n&apos;a pu être ouvert.</source>
        <translation>No text editor could be opened.</translation>
    </message>
    <message>
        <source>Restaurer la copie de sauvegarde</source>
        <translation>Restore the backup copy</translation>
    </message>
    <message>
        <source>Relire le fichier</source>
        <translation>Read the file again</translation>
    </message>
    <message>
        <source>&amp;Catalogue</source>
        <translation>&amp;Catalogue</translation>
    </message>
    <message>
        <source>&amp;Enregistrer</source>
        <translation>&amp;Save</translation>
    </message>
    <message>
        <source>&amp;Fermer</source>
        <translation>&amp;Close</translation>
    </message>
    <message>
        <source>Éditio&amp;n</source>
        <translation>&amp;Edit</translation>
    </message>
    <message>
        <source>Annuler</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>Rétablir</source>
        <translation>Redo</translation>
    </message>
    <message>
        <source>Erreur d&apos;exécution %1</source>
        <translation>Run-time error %1</translation>
    </message>
    <message>
        <source>

La lecture s&apos;est arrêtée à l&apos;enregistrement %1.</source>
        <translation>

Reading stopped at record %1.</translation>
    </message>
    <message>
        <source>

Le catalogue ne peut être modifié ici que lorsqu&apos;il se lit en entier : corrigez-le dans un éditeur de texte puis relisez-le, ou reprenez la copie de sauvegarde faite au dernier enregistrement.</source>
        <translation>

The catalogue can only be edited here when it reads to its end: correct it in a text editor and read it again, or go back to the backup copy made at the last save.</translation>
    </message>
    <message>
        <source>Étapes</source>
        <translation>Steps</translation>
    </message>
    <message>
        <source>Étapes du programme %1</source>
        <translation>Steps of the programme %1</translation>
    </message>
    <message>
        <source>Encodage : %1 · fins de ligne %2</source>
        <translation>Encoding: %1 · line ends %2</translation>
    </message>
    <message>
        <source>Une cellule à corriger</source>
        <translation>One cell to correct</translation>
    </message>
    <message>
        <source>%1 cellules à corriger</source>
        <translation>%1 cells to correct</translation>
    </message>
    <message>
        <source>%1 avant d&apos;enregistrer. %2 : %3.</source>
        <translation>%1 before saving. %2: %3.</translation>
    </message>
    <message>
        <source>Le fichier %1 n&apos;existe pas encore : il sera créé à l&apos;enregistrement.</source>
        <translation>The file %1 does not exist yet: saving will create it.</translation>
    </message>
    <message>
        <source>Erreur</source>
        <translation>Error</translation>
    </message>
    <message>
        <source>Message</source>
        <translation>Notice</translation>
    </message>
    <message>
        <source>Le fichier %1 est en Windows-1252, qui ne peut pas contenir ce texte. Passer le fichier en UTF-8 ?</source>
        <translation>The file %1 is in Windows-1252, which cannot hold this text. Switch the file to UTF-8?</translation>
    </message>
    <message>
        <source>

En UTF-8, Gypsomix et les éditeurs de texte d&apos;aujourd&apos;hui le lisent toujours.</source>
        <translation>

In UTF-8, Gypsomix and today&apos;s text editors still read it.</translation>
    </message>
    <message>
        <source>Passer en UTF-8</source>
        <translation>Switch to UTF-8</translation>
    </message>
    <message>
        <source>Le catalogue n&apos;a pas été enregistré.</source>
        <translation>The catalogue was not saved.</translation>
    </message>
    <message>
        <source>Le catalogue n&apos;a pas été enregistré : le fichier est resté tel qu&apos;il était.</source>
        <translation>The catalogue was not saved: the file is as it was.</translation>
    </message>
    <message>
        <source>Enregistré ; la version précédente est gardée dans %1.</source>
        <translation>Saved; the previous version is kept in %1.</translation>
    </message>
    <message>
        <source>Enregistrer les modifications du catalogue %1&#xa0;?</source>
        <translation>Save the changes to the catalogue %1?</translation>
    </message>
    <message>
        <source>Sinon, elles seront perdues.</source>
        <translation>Otherwise they will be lost.</translation>
    </message>
    <message>
        <source>Des cellules sont encore à corriger : « Enregistrer » ramène au catalogue.</source>
        <translation>Some cells still need correcting: “Save” takes you back to the catalogue.</translation>
    </message>
    <message>
        <source>Ne pas enregistrer</source>
        <translation>Don&apos;t save</translation>
    </message>
    <message>
        <source>Remplacer %1 par sa copie de sauvegarde %2&#xa0;?</source>
        <translation>Replace %1 with its backup copy %2?</translation>
    </message>
    <message>
        <source>Le fichier illisible est gardé sous le nom %1.</source>
        <translation>The unreadable file is kept as %1.</translation>
    </message>
    <message>
        <source>Restaurer</source>
        <translation>Restore</translation>
    </message>
    <message>
        <source>La copie de sauvegarde n&apos;a pas pu être remise en place ; le fichier est resté tel qu&apos;il était.</source>
        <translation>The backup copy could not be put back; the file is as it was.</translation>
    </message>
</context>
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
    <name>CatalogueSheet</name>
    <message>
        <source>Revêtements</source>
        <translation>Investments</translation>
    </message>
    <message>
        <source>Nom</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>Eau utilisée (%)</source>
        <translation>Water used (%)</translation>
    </message>
    <message>
        <source>Temps de malaxage (min)</source>
        <translation>Mixing time (min)</translation>
    </message>
    <message>
        <source>Temps de gel (min)</source>
        <translation>Gel time (min)</translation>
    </message>
    <message>
        <source>Temps utile de coulabilité (min)</source>
        <translation>Pourable time (min)</translation>
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
        <source>Cylindres</source>
        <translation>Flasks</translation>
    </message>
    <message>
        <source>Diamètre (mm)</source>
        <translation>Diameter (mm)</translation>
    </message>
    <message>
        <source>Hauteur (mm)</source>
        <translation>Height (mm)</translation>
    </message>
    <message>
        <source>Métaux</source>
        <translation>Metals</translation>
    </message>
    <message>
        <source>Densité (g/cm³)</source>
        <translation>Density (g/cm³)</translation>
    </message>
    <message>
        <source>Programmes de cuisson</source>
        <translation>Burnout programmes</translation>
    </message>
    <message>
        <source>Programme</source>
        <translation>Programme</translation>
    </message>
    <message>
        <source>Température visée (°C)</source>
        <translation>Target temperature (°C)</translation>
    </message>
    <message>
        <source>Montée (°C/h)</source>
        <translation>Ramp (°C/h)</translation>
    </message>
    <message>
        <source>Palier (min)</source>
        <translation>Hold (min)</translation>
    </message>
    <message>
        <source>«&#xa0;%1&#xa0;»</source>
        <translation>“%1”</translation>
    </message>
    <message>
        <source>le nom est vide</source>
        <translation>the name is empty</translation>
    </message>
    <message>
        <source>un nom ne peut pas contenir de guillemet droit (&quot;)</source>
        <translation>a name cannot hold a straight double quote (&quot;)</translation>
    </message>
    <message>
        <source>un nom tient sur une seule ligne</source>
        <translation>a name fits on one line</translation>
    </message>
    <message>
        <source>la valeur manque</source>
        <translation>the value is missing</translation>
    </message>
    <message>
        <source>le nombre dépasse les limites d&apos;un nombre réel</source>
        <translation>the number is beyond the limits of a real number</translation>
    </message>
    <message>
        <source>%1 n&apos;est pas un nombre</source>
        <translation>%1 is not a number</translation>
    </message>
    <message>
        <source>un pourcentage de 0 à 100</source>
        <translation>a percentage from 0 to 100</translation>
    </message>
    <message>
        <source>un nombre supérieur à 0</source>
        <translation>a number above 0</translation>
    </message>
    <message>
        <source>pas moins de %1 °C</source>
        <translation>no less than %1 °C</translation>
    </message>
    <message>
        <source>un nombre positif ou nul</source>
        <translation>a number of 0 or more</translation>
    </message>
    <message>
        <source>l&apos;étape</source>
        <translation>the step</translation>
    </message>
    <message>
        <source>une étape</source>
        <translation>a step</translation>
    </message>
    <message>
        <source>le programme</source>
        <translation>the programme</translation>
    </message>
    <message>
        <source>un programme</source>
        <translation>a programme</translation>
    </message>
    <message>
        <source>la ligne</source>
        <translation>the line</translation>
    </message>
    <message>
        <source>une ligne</source>
        <translation>a line</translation>
    </message>
    <message>
        <source>le nom %1 est déjà celui d&apos;un autre programme</source>
        <translation>the name %1 is already that of another programme</translation>
    </message>
    <message>
        <source>le programme n&apos;a aucune étape</source>
        <translation>the programme has no step</translation>
    </message>
    <message>
        <source>ligne %1, %2</source>
        <translation>line %1, %2</translation>
    </message>
    <message>
        <source>programme %1</source>
        <translation>programme %1</translation>
    </message>
    <message>
        <source>programme %1, étape %2, %3</source>
        <translation>programme %1, step %2, %3</translation>
    </message>
    <message>
        <source>Modifier %1</source>
        <translation>Change %1</translation>
    </message>
    <message>
        <source>Ajouter %1</source>
        <translation>Add %1</translation>
    </message>
    <message>
        <source>%1 (copie)</source>
        <translation>%1 (copy)</translation>
    </message>
    <message>
        <source>Dupliquer %1</source>
        <translation>Duplicate %1</translation>
    </message>
    <message>
        <source>Supprimer %1</source>
        <translation>Delete %1</translation>
    </message>
    <message>
        <source>Monter %1</source>
        <translation>Move %1 up</translation>
    </message>
    <message>
        <source>Descendre %1</source>
        <translation>Move %1 down</translation>
    </message>
</context>
<context>
    <name>Journal</name>
    <message>
        <source>le disque est plein.</source>
        <translation>the disk is full.</translation>
    </message>
    <message>
        <source>le dossier « %1 » ne peut pas être écrit.</source>
        <translation>the folder “%1” cannot be written to.</translation>
    </message>
    <message>
        <source>le disque a refusé l&apos;écriture.</source>
        <translation>the disk refused the write.</translation>
    </message>
    <message>
        <source>le journal est occupé par un autre programme.</source>
        <translation>the journal is in use by another program.</translation>
    </message>
    <message>
        <source>le journal est endommagé.</source>
        <translation>the journal is damaged.</translation>
    </message>
    <message>
        <source>SQLite répond « %1 ».</source>
        <translation>SQLite answers “%1”.</translation>
    </message>
    <message>
        <source>La coulée ne peut pas être consignée : %1</source>
        <translation>The cast cannot be recorded: %1</translation>
    </message>
    <message>
        <source>aucun revêtement n&apos;est choisi.</source>
        <translation>no investment is chosen.</translation>
    </message>
    <message>
        <source>le plan a une erreur (%1).</source>
        <translation>the plan has an error (%1).</translation>
    </message>
    <message>
        <source>les masses ne sont pas des grammes entiers.</source>
        <translation>the masses are not whole grams.</translation>
    </message>
    <message>
        <source>Le journal des coulées « %1 » n&apos;est pas disponible : %2</source>
        <translation>The casting journal “%1” is not available: %2</translation>
    </message>
    <message>
        <source>le pilote SQLite de Qt (paquet libqt6sql6-sqlite) manque.</source>
        <translation>Qt&apos;s SQLite driver (package libqt6sql6-sqlite) is missing.</translation>
    </message>
    <message>
        <source>le dossier « %1 » ne peut pas être créé.</source>
        <translation>the folder “%1” cannot be created.</translation>
    </message>
    <message>
        <source>il est endommagé et ne peut pas être mis de côté.</source>
        <translation>it is damaged and cannot be set aside.</translation>
    </message>
    <message>
        <source>Le journal des coulées était endommagé ou n&apos;en était pas un : il est mis de côté sous « %1 », et un nouveau journal commence.</source>
        <translation>The casting journal was damaged or was not a journal: it is set aside as “%1”, and a new journal begins.</translation>
    </message>
    <message>
        <source>il vient d&apos;une version plus récente de Gypsomix et n&apos;est ouvert qu&apos;en lecture.</source>
        <translation>it comes from a newer version of Gypsomix and is open for reading only.</translation>
    </message>
    <message>
        <source>Le journal des coulées « %1 » vient d&apos;une version plus récente de Gypsomix : il est ouvert en lecture seule.</source>
        <translation>The casting journal “%1” comes from a newer version of Gypsomix: it is open read-only.</translation>
    </message>
    <message>
        <source>le dossier « %1 » ne permet pas à SQLite de tenir son journal d&apos;écriture (mode WAL).</source>
        <translation>the folder “%1” does not let SQLite keep its write-ahead log (WAL mode).</translation>
    </message>
    <message>
        <source>le journal n&apos;est pas ouvert.</source>
        <translation>the journal is not open.</translation>
    </message>
    <message>
        <source>La coulée n&apos;a pas été consignée : %1</source>
        <translation>The cast was not recorded: %1</translation>
    </message>
    <message>
        <source>La coulée n&apos;a pas été modifiée : %1</source>
        <translation>The cast was not changed: %1</translation>
    </message>
    <message>
        <source>« %1 » n&apos;est pas un résultat.</source>
        <translation>“%1” is not a result.</translation>
    </message>
    <message>
        <source>un défaut n&apos;est pas dans la liste.</source>
        <translation>a defect is not in the list.</translation>
    </message>
    <message>
        <source>la température de l&apos;eau n&apos;est pas un nombre.</source>
        <translation>the water temperature is not a number.</translation>
    </message>
    <message>
        <source>elle n&apos;est plus dans le journal.</source>
        <translation>it is no longer in the journal.</translation>
    </message>
    <message>
        <source>La coulée n&apos;a pas été supprimée : %1</source>
        <translation>The cast was not deleted: %1</translation>
    </message>
    <message>
        <source>Coulée consignée dans le journal des coulées (n° %1).</source>
        <translation>Cast recorded in the casting journal (no. %1).</translation>
    </message>
    <message>
        <source>Le journal des coulées n&apos;a pas été exporté dans « %1 » : %2</source>
        <translation>The casting journal was not exported to “%1”: %2</translation>
    </message>
    <message>
        <source>il n&apos;est pas disponible.</source>
        <translation>it is not available.</translation>
    </message>
    <message>
        <source>N°</source>
        <translation>No.</translation>
    </message>
    <message>
        <source>Consignée le</source>
        <translation>Recorded on</translation>
    </message>
    <message>
        <source>Mélange</source>
        <translation>Mixed</translation>
    </message>
    <message>
        <source>Revêtement</source>
        <translation>Investment</translation>
    </message>
    <message>
        <source>Eau (%)</source>
        <translation>Water (%)</translation>
    </message>
    <message>
        <source>Cylindres</source>
        <translation>Flasks</translation>
    </message>
    <message>
        <source>Volume (dm³)</source>
        <translation>Volume (dm³)</translation>
    </message>
    <message>
        <source>Poudre (g)</source>
        <translation>Powder (g)</translation>
    </message>
    <message>
        <source>Liquide (g)</source>
        <translation>Liquid (g)</translation>
    </message>
    <message>
        <source>Métal</source>
        <translation>Metal</translation>
    </message>
    <message>
        <source>Métal (g)</source>
        <translation>Metal (g)</translation>
    </message>
    <message>
        <source>Température de l&apos;eau (°C)</source>
        <translation>Water temperature (°C)</translation>
    </message>
    <message>
        <source>Résultat</source>
        <translation>Result</translation>
    </message>
    <message>
        <source>Défauts</source>
        <translation>Defects</translation>
    </message>
    <message>
        <source>Notes</source>
        <translation>Notes</translation>
    </message>
    <message>
        <source>réussie</source>
        <translation>good</translation>
    </message>
    <message>
        <source>défauts</source>
        <translation>defects</translation>
    </message>
    <message>
        <source>ratée</source>
        <translation>failed</translation>
    </message>
    <message>
        <source>porosité</source>
        <translation>porosity</translation>
    </message>
    <message>
        <source>bulles</source>
        <translation>bubbles</translation>
    </message>
    <message>
        <source>ailettes</source>
        <translation>fins</translation>
    </message>
    <message>
        <source>manque de métal</source>
        <translation>short fill</translation>
    </message>
    <message>
        <source>surface rugueuse</source>
        <translation>rough surface</translation>
    </message>
    <message>
        <source>inclusions</source>
        <translation>inclusions</translation>
    </message>
    <message>
        <source>fissures</source>
        <translation>cracks</translation>
    </message>
</context>
<context>
    <name>JournalWindow</name>
    <message>
        <source>%1 : %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>Journal des coulées</source>
        <translation>Casting journal</translation>
    </message>
    <message>
        <source>Revêtement, métal ou mot des notes</source>
        <translation>Investment, metal or a word of the notes</translation>
    </message>
    <message>
        <source>Rechercher</source>
        <translation>Search</translation>
    </message>
    <message>
        <source>&amp;Rechercher :</source>
        <translation>&amp;Search:</translation>
    </message>
    <message>
        <source>Coulées</source>
        <translation>Casts</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Date</translation>
    </message>
    <message>
        <source>Revêtement</source>
        <translation>Investment</translation>
    </message>
    <message>
        <source>Cylindres</source>
        <translation>Flasks</translation>
    </message>
    <message>
        <source>Poudre (g)</source>
        <translation>Powder (g)</translation>
    </message>
    <message>
        <source>Liquide (g)</source>
        <translation>Liquid (g)</translation>
    </message>
    <message>
        <source>Métal</source>
        <translation>Metal</translation>
    </message>
    <message>
        <source>Résultat</source>
        <translation>Result</translation>
    </message>
    <message>
        <source>Coulée</source>
        <translation>Cast</translation>
    </message>
    <message>
        <source>pas encore dit</source>
        <translation>not told yet</translation>
    </message>
    <message>
        <source>Notes</source>
        <translation>Notes</translation>
    </message>
    <message>
        <source>Ré&amp;sultat :</source>
        <translation>&amp;Result:</translation>
    </message>
    <message>
        <source>Défauts :</source>
        <translation>Defects:</translation>
    </message>
    <message>
        <source>&amp;Température de l&apos;eau (°C) :</source>
        <translation>&amp;Water temperature (°C):</translation>
    </message>
    <message>
        <source>N&amp;otes :</source>
        <translation>&amp;Notes:</translation>
    </message>
    <message>
        <source>&amp;Ouvrir comme plan</source>
        <translation>&amp;Open as a plan</translation>
    </message>
    <message>
        <source>S&amp;upprimer</source>
        <translation>&amp;Delete</translation>
    </message>
    <message>
        <source>&amp;Exporter en CSV…</source>
        <translation>&amp;Export as CSV…</translation>
    </message>
    <message>
        <source>Consignée le %1</source>
        <translation>Recorded on %1</translation>
    </message>
    <message>
        <source>, mélange à %1</source>
        <translation>, mixed at %1</translation>
    </message>
    <message>
        <source>%1, eau %2 %</source>
        <translation>%1, water %2 %</translation>
    </message>
    <message>
        <source>%1 cylindre%2, %3 dm³ : poudre %4 g, liquide %5 g</source>
        <translation>%1 flask%2, %3 dm³: powder %4 g, liquid %5 g</translation>
    </message>
    <message>
        <source>Métal : %1, %2 g</source>
        <translation>Metal: %1, %2 g</translation>
    </message>
    <message>
        <source>Métal : %1</source>
        <translation>Metal: %1</translation>
    </message>
    <message>
        <source>Aucune coulée n&apos;est choisie.</source>
        <translation>No cast is chosen.</translation>
    </message>
    <message>
        <source>La température de l&apos;eau est un nombre de degrés : « %1 » n&apos;en est pas un.</source>
        <translation>The water temperature is a number of degrees: “%1” is not one.</translation>
    </message>
    <message>
        <source>Le plan de cette coulée ne peut pas être ouvert : %1</source>
        <translation>This cast&apos;s plan cannot be opened: %1</translation>
    </message>
    <message>
        <source>Supprimer la coulée</source>
        <translation>Delete the cast</translation>
    </message>
    <message>
        <source>Supprimer du journal la coulée du %1 (%2) ?</source>
        <translation>Delete the cast of %1 (%2) from the journal?</translation>
    </message>
    <message>
        <source>Elle ne pourra pas être rétablie.</source>
        <translation>It cannot be brought back.</translation>
    </message>
    <message>
        <source>Supprimer</source>
        <translation>Delete</translation>
    </message>
    <message>
        <source>Exporter le journal en CSV</source>
        <translation>Export the journal as CSV</translation>
    </message>
    <message>
        <source>Journal des coulées %1.csv</source>
        <translation>Casting journal %1.csv</translation>
    </message>
    <message>
        <source>Tableau CSV (*.csv)</source>
        <translation>CSV table (*.csv)</translation>
    </message>
    <message>
        <source>Journal exporté dans « %1 ».</source>
        <translation>Journal exported to “%1”.</translation>
    </message>
    <message>
        <source>Erreur</source>
        <translation>Error</translation>
    </message>
    <message>
        <source>Message</source>
        <translation>Notice</translation>
    </message>
</context>
<context>
    <name>MetalPanel</name>
    <message>
        <source>Choisir le métal</source>
        <translation>Choose the metal</translation>
    </message>
    <message>
        <source>Saisir le modèle</source>
        <translation>Type the pattern</translation>
    </message>
    <message>
        <source>Saisir le métal</source>
        <translation>Type the metal</translation>
    </message>
    <message>
        <source>Saisir le prix</source>
        <translation>Type the price</translation>
    </message>
    <message>
        <source>Reprendre le prix du revêtement</source>
        <translation>Take up the investment&apos;s price</translation>
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
        <source>Nombre</source>
        <translation>Count</translation>
    </message>
    <message>
        <source>Modèle (g)</source>
        <translation>Pattern (g)</translation>
    </message>
    <message>
        <source>Métal par cylindre (g)</source>
        <translation>Metal per flask (g)</translation>
    </message>
    <message>
        <source>%1 introuvable</source>
        <translation>%1 not found</translation>
    </message>
    <message>
        <source>Erreur d&apos;exécution %1 : %2</source>
        <translation>Run-time error %1: %2</translation>
    </message>
    <message>
        <source>Autre</source>
        <translation>Other</translation>
    </message>
    <message>
        <source>Autre, %1 × %2 %3</source>
        <translation>Other, %1 × %2 %3</translation>
    </message>
    <message>
        <source>po</source>
        <translation>in</translation>
    </message>
    <message>
        <source>la densité du métal</source>
        <translation>the metal&apos;s density</translation>
    </message>
    <message>
        <source>la densité du modèle</source>
        <translation>the pattern&apos;s density</translation>
    </message>
    <message>
        <source>le surplus pour la masselotte</source>
        <translation>the extra for the sprue</translation>
    </message>
    <message>
        <source>le bouton par cylindre</source>
        <translation>the button per flask</translation>
    </message>
    <message>
        <source>une valeur</source>
        <translation>a value</translation>
    </message>
    <message>
        <source>Métal</source>
        <translation>Metal</translation>
    </message>
    <message>
        <source>&amp;Métal</source>
        <translation>&amp;Metal</translation>
    </message>
    <message>
        <source>Densité du métal (g/cm³)</source>
        <translation>Metal density (g/cm³)</translation>
    </message>
    <message>
        <source>Cire ≈ %1 ; résine imprimée ≈ %2</source>
        <translation>Wax ≈ %1; printed resin ≈ %2</translation>
    </message>
    <message>
        <source>Densité du m&amp;odèle</source>
        <translation>P&amp;attern density</translation>
    </message>
    <message>
        <source>Surp&amp;lus pour la masselotte (%)</source>
        <translation>E&amp;xtra for the sprue (%)</translation>
    </message>
    <message>
        <source>&amp;Bouton par cylindre (g)</source>
        <translation>&amp;Button per flask (g)</translation>
    </message>
    <message>
        <source>Prix</source>
        <translation>Prices</translation>
    </message>
    <message>
        <source>non indiqué</source>
        <translation>not given</translation>
    </message>
    <message>
        <source>&amp;Revêtement</source>
        <translation>&amp;Investment</translation>
    </message>
    <message>
        <source>le kg</source>
        <translation>per kg</translation>
    </message>
    <message>
        <source>Mé&amp;tal</source>
        <translation>Me&amp;tal</translation>
    </message>
    <message>
        <source>le g</source>
        <translation>per g</translation>
    </message>
    <message>
        <source>Coût du revêtement</source>
        <translation>Investment cost</translation>
    </message>
    <message>
        <source>Coût du métal</source>
        <translation>Metal cost</translation>
    </message>
    <message>
        <source>Coût total</source>
        <translation>Total cost</translation>
    </message>
    <message>
        <source>Métal à fondre (g)</source>
        <translation>Metal to melt (g)</translation>
    </message>
    <message>
        <source>aucun</source>
        <translation>none</translation>
    </message>
    <message>
        <source>Ligne %1</source>
        <translation>Line %1</translation>
    </message>
    <message>
        <source>Choisissez un métal : le métal à fondre suivra.</source>
        <translation>Choose a metal: the metal to melt will follow.</translation>
    </message>
    <message>
        <source>Indiquez le poids du modèle d&apos;un cylindre, sans son socle, dans la colonne « Modèle (g) ».</source>
        <translation>Give the weight of one flask&apos;s pattern, without its base, in the “Pattern (g)” column.</translation>
    </message>
    <message>
        <source>Indiquez %1.</source>
        <translation>Give %1.</translation>
    </message>
    <message>
        <source>Erreur</source>
        <translation>Error</translation>
    </message>
    <message>
        <source>Message</source>
        <translation>Notice</translation>
    </message>
</context>
<context>
    <name>MetalSheet</name>
    <message>
        <source>Métal</source>
        <translation>Metal</translation>
    </message>
    <message>
        <source>Densité</source>
        <translation>Density</translation>
    </message>
    <message>
        <source>Densité du modèle</source>
        <translation>Pattern density</translation>
    </message>
    <message>
        <source>Surplus (%)</source>
        <translation>Extra (%)</translation>
    </message>
    <message>
        <source>Bouton (g)</source>
        <translation>Button (g)</translation>
    </message>
    <message>
        <source>Par cylindre</source>
        <translation>Per flask</translation>
    </message>
    <message>
        <source>ligne %1 : %2 g</source>
        <translation>line %1: %2 g</translation>
    </message>
    <message>
        <source>ligne %1 : %2 × %3 g</source>
        <translation>line %1: %2 × %3 g</translation>
    </message>
    <message>
        <source>… et %1 autres</source>
        <translation>… and %1 more</translation>
    </message>
    <message>
        <source>Métal à fondre (g)</source>
        <translation>Metal to melt (g)</translation>
    </message>
    <message>
        <source>pesé</source>
        <translation>weighed</translation>
    </message>
    <message>
        <source>Coût du revêtement</source>
        <translation>Investment cost</translation>
    </message>
    <message>
        <source>Coût du métal</source>
        <translation>Metal cost</translation>
    </message>
    <message>
        <source>Coût total</source>
        <translation>Total cost</translation>
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
    <name>OvenDay</name>
    <message>
        <source>Palier à %1</source>
        <translation>Hold at %1</translation>
    </message>
    <message>
        <source>Descente vers %1</source>
        <translation>Cool to %1</translation>
    </message>
    <message>
        <source>Montée vers %1</source>
        <translation>Ramp to %1</translation>
    </message>
    <message>
        <source>Choisissez un programme de cuisson.</source>
        <translation>Choose a burnout programme.</translation>
    </message>
    <message>
        <source>Une vitesse de 0 monte aussi vite que le four le peut : la durée de cette montée dépend du four et n&apos;est pas comptée.</source>
        <translation>A rate of 0 climbs as fast as the oven can: the length of that ramp depends on the oven and is not counted.</translation>
    </message>
    <message>
        <source>Indiquez l&apos;heure de coulée.</source>
        <translation>Give the time of casting.</translation>
    </message>
    <message>
        <source>L&apos;heure de coulée du plan, « %1 », n&apos;est pas une date ISO 8601.</source>
        <translation>The plan&apos;s time of casting, “%1”, is not an ISO 8601 date.</translation>
    </message>
    <message>
        <source>Mélanger à</source>
        <translation>Mix at</translation>
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
        <source>Enfourner à</source>
        <translation>Into the oven at</translation>
    </message>
    <message>
        <source> (vitesse du four)</source>
        <translation> (oven&apos;s pace)</translation>
    </message>
    <message>
        <source>Couler à</source>
        <translation>Cast at</translation>
    </message>
    <message>
        <source> (J%1%2)</source>
        <comment>the day after or before the mixing, on paper</comment>
        <translation> (D%1%2)</translation>
    </message>
    <message>
        <source> (lendemain)</source>
        <translation> (next day)</translation>
    </message>
    <message>
        <source>fr_FR</source>
        <comment>the locale whose names of days and months the dates are written in</comment>
        <translation>en_GB</translation>
    </message>
</context>
<context>
    <name>OvenPanel</name>
    <message>
        <source>Enfourner</source>
        <translation>Into the oven</translation>
    </message>
    <message>
        <source>Enfourner à l&apos;heure prévue</source>
        <translation>Into the oven at the planned time</translation>
    </message>
    <message>
        <source>Arrêter le four</source>
        <translation>Stop the oven</translation>
    </message>
    <message>
        <source>Choisir le programme de cuisson</source>
        <translation>Choose the burnout programme</translation>
    </message>
    <message>
        <source>Saisir la température de départ</source>
        <translation>Type the start temperature</translation>
    </message>
    <message>
        <source>Saisir le repos avant cuisson</source>
        <translation>Type the bench rest</translation>
    </message>
    <message>
        <source>Saisir l&apos;heure de coulée</source>
        <translation>Type the time of casting</translation>
    </message>
    <message>
        <source>Choisissez un programme</source>
        <translation>Choose a programme</translation>
    </message>
    <message>
        <source>L&apos;heure de coulée : la prochaine fois que l&apos;horloge la marquera (16:00, 16h30).</source>
        <translation>The time of casting: the next time the clock shows it (16:00, 4:30).</translation>
    </message>
    <message>
        <source>Programme de cuisson</source>
        <translation>Burnout programme</translation>
    </message>
    <message>
        <source>Température de départ (°C)</source>
        <translation>Start temperature (°C)</translation>
    </message>
    <message>
        <source>Repos avant cuisson (min)</source>
        <translation>Bench rest (min)</translation>
    </message>
    <message>
        <source>Couler à</source>
        <translation>Cast at</translation>
    </message>
    <message>
        <source>Températures en</source>
        <translation>Temperatures in</translation>
    </message>
    <message>
        <source>Journée de coulée</source>
        <translation>Casting day</translation>
    </message>
    <message>
        <source>Étape</source>
        <translation>Step</translation>
    </message>
    <message>
        <source>Heure</source>
        <translation>Time</translation>
    </message>
    <message>
        <source>Jusqu&apos;à</source>
        <translation>Until</translation>
    </message>
    <message>
        <source>Descente vers 1 350 °F (vitesse du four)</source>
        <translation>Cool to 1,350 °F (oven&apos;s pace)</translation>
    </message>
    <message>
        <source>00:00 (lendemain)</source>
        <translation>00:00 (next day)</translation>
    </message>
    <message>
        <source>Le catalogue %1 n&apos;a pas pu être lu (erreur d&apos;exécution %2 : %3) : aucun programme n&apos;est proposé.</source>
        <translation>The catalogue %1 could not be read (run-time error %2: %3): no programme is offered.</translation>
    </message>
    <message>
        <source>Le catalogue %1 n&apos;a pas pu être lu (erreur d&apos;exécution %2 : %3).</source>
        <translation>The catalogue %1 could not be read (run-time error %2: %3).</translation>
    </message>
    <message>
        <source>Ce programme n&apos;est plus dans le catalogue : choisissez-en un autre.</source>
        <translation>This programme is no longer in the catalogue: choose another one.</translation>
    </message>
    <message>
        <source>« %1 » n&apos;est pas une heure : écrivez-la hh:mm, par exemple 16:00.</source>
        <translation>“%1” is not a time: write it hh:mm, for example 16:00.</translation>
    </message>
    <message>
        <source>Journée du %1</source>
        <translation>Casting day, %1</translation>
    </message>
</context>
<context>
    <name>OvenSheet</name>
    <message>
        <source>Cuisson : %1</source>
        <translation>Burnout: %1</translation>
    </message>
    <message>
        <source>, journée du %1</source>
        <translation>, casting day %1</translation>
    </message>
</context>
<context>
    <name>OvenTimer</name>
    <message>
        <source>Four</source>
        <translation>Oven</translation>
    </message>
    <message>
        <source>Enfourner</source>
        <translation>Into the oven</translation>
    </message>
    <message>
        <source>Les cylindres entrent au four maintenant.</source>
        <translation>The flasks go into the oven now.</translation>
    </message>
    <message>
        <source>À l&apos;heure prévue</source>
        <translation>At the planned time</translation>
    </message>
    <message>
        <source>Le four part à l&apos;heure que le plan donne pour enfourner (départ différé du four).</source>
        <translation>The oven starts at the time the plan gives for loading it (the oven&apos;s delayed start).</translation>
    </message>
    <message>
        <source>Arrêter</source>
        <translation>Stop</translation>
    </message>
    <message>
        <source>Cuisson terminée : les cylindres sont prêts à couler</source>
        <translation>Burnout done: the flasks are ready to cast</translation>
    </message>
    <message>
        <source>Enfourner : %1</source>
        <translation>Into the oven: %1</translation>
    </message>
    <message>
        <source>Enfourné à %1</source>
        <translation>In the oven since %1</translation>
    </message>
    <message>
        <source>Programme à corriger</source>
        <translation>Programme to correct</translation>
    </message>
    <message>
        <source>Four non démarré</source>
        <translation>Oven not started</translation>
    </message>
    <message>
        <source>Le plan fait enfourner à %1.</source>
        <translation>The plan puts the flasks in the oven at %1.</translation>
    </message>
    <message>
        <source>Enfournement à %1</source>
        <translation>Into the oven at %1</translation>
    </message>
    <message>
        <source>dans %1</source>
        <translation>in %1</translation>
    </message>
    <message>
        <source>reste %1</source>
        <translation>%1 left</translation>
    </message>
    <message>
        <source>Puis %1 à %2</source>
        <translation>Then %1 at %2</translation>
    </message>
    <message>
        <source>Fin de la cuisson à %1</source>
        <translation>Burnout ends at %1</translation>
    </message>
    <message>
        <source>Cuisson terminée</source>
        <translation>Burnout done</translation>
    </message>
    <message>
        <source>Terminée à %1</source>
        <translation>Done at %1</translation>
    </message>
    <message>
        <source>Cuisson : %1</source>
        <translation>Burnout: %1</translation>
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
    <message>
        <source>Impossible de lire le fichier %1 : %2</source>
        <translation>Cannot read the file %1: %2</translation>
    </message>
    <message>
        <source>c&apos;est un dossier.</source>
        <translation>it is a folder.</translation>
    </message>
    <message>
        <source>accès refusé ou erreur de lecture.</source>
        <translation>access denied or read error.</translation>
    </message>
    <message>
        <source>Appel de procédure ou argument incorrect : enregistrement %1, champ %2 : %3.</source>
        <translation>Invalid procedure call or argument: record %1, field %2: %3.</translation>
    </message>
    <message>
        <source>un nombre infini ou indéterminé ne s&apos;écrit pas dans un catalogue</source>
        <translation>an infinite or undefined number cannot be written in a catalogue</translation>
    </message>
    <message>
        <source>le texte n&apos;est pas de l&apos;UTF-8 valide</source>
        <translation>the text is not valid UTF-8</translation>
    </message>
    <message>
        <source>le texte %1 contient un guillemet droit (&quot;), qui le couperait à la relecture</source>
        <translation>the text %1 holds a straight double quote (&quot;), which would cut it when read back</translation>
    </message>
    <message>
        <source>le texte %1 contient un saut de ligne</source>
        <translation>the text %1 holds a line break</translation>
    </message>
    <message>
        <source>le caractère « %1 » (%2) du texte %3 ne s&apos;écrit pas en Windows-1252</source>
        <translation>the character “%1” (%2) of the text %3 cannot be written in Windows-1252</translation>
    </message>
    <message>
        <source>accès refusé (dossier ou fichier en lecture seule)</source>
        <translation>access denied (read-only folder or file)</translation>
    </message>
    <message>
        <source>le support est en lecture seule</source>
        <translation>the disk is read-only</translation>
    </message>
    <message>
        <source>le disque est plein</source>
        <translation>the disk is full</translation>
    </message>
    <message>
        <source>le fichier serait trop grand</source>
        <translation>the file would be too large</translation>
    </message>
    <message>
        <source>le dossier n&apos;existe pas</source>
        <translation>the folder does not exist</translation>
    </message>
    <message>
        <source>erreur d&apos;écriture (errno %1)</source>
        <translation>write error (errno %1)</translation>
    </message>
    <message>
        <source>Erreur d&apos;accès au chemin/fichier : impossible d&apos;enregistrer %1 : %2. Le fichier est resté tel qu&apos;il était.</source>
        <translation>Path/File access error: cannot save %1: %2. The file was left as it was.</translation>
    </message>
    <message>
        <source>un enregistrement a au moins un champ</source>
        <translation>a record has at least one field</translation>
    </message>
    <message>
        <source>l&apos;enregistrement a %1 champs, le premier en a %2</source>
        <translation>the record has %1 fields, the first one has %2</translation>
    </message>
    <message>
        <source>en Windows-1252, le fichier serait relu comme de l&apos;UTF-8 et le texte %1 changerait</source>
        <translation>in Windows-1252, the file would be read back as UTF-8 and the text %1 would change</translation>
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
