<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en" sourcelanguage="fr">
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
    <name>PlanEditor</name>
    <message>
        <source>Ajouter une ligne</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Dupliquer la ligne</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Supprimer la ligne</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>PlanWindow</name>
    <message>
        <source>Gypsomix – Plan de coulée</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Revêtement</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sélection du revêtement</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Choisir un revêtement dans le menu déroulant</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Eau utilisée (%)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Densité du revêtement liquide</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Eau pour ce mélange (%)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Le rapport eau/poudre de ce travail ; il reprend la valeur du catalogue à chaque choix de revêtement</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cylindres</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>N°</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cylindre</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Diamètre</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Hauteur</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Unité</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Nombre</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Arbre et socle (cm³)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Volume de l’arbre en cire et du socle d’un cylindre ; vide : aucun</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Volume (dm3)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Volume d’un cylindre de la ligne, avant déduction</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Ajouter une ligne</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ajouter une ligne vide à la fin (Alt+A)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>D&amp;upliquer la ligne</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Copier la ligne en cours juste en dessous (Alt+U)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Supprimer la ligne</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Supprimer la ligne en cours (Alt+S)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Marge</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Brut</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>+ 5%</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>+10%</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Liquide spécial</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Concentration (%)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Part du liquide spécial dans le liquide, de 0 à 100 %</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Résultats</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Volume à remplir (dm3)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Masse de revêtement (g)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Masse d&apos;eau (g)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>dont liquide spécial (g)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>dont eau (g)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fiche de mélange</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Imprimer</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Imprimer la fiche de mélange du plan, sur une page A4</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Enregistrer en PDF</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Enregistrer la fiche de mélange du plan en PDF</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Saisir l&apos;eau pour ce mélange</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Saisir la concentration</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Choisir le liquide spécial</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Choisir la marge</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Choisir le revêtement</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Choisir le cylindre</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Saisir l&apos;arbre et le socle</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Saisir le diamètre</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Saisir la hauteur</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Choisir l&apos;unité</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Changer le nombre</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>WorkingTimer</name>
    <message>
        <source>Minuterie</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Temps écoulé depuis que l&apos;eau a touché la poudre, en minutes et secondes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Prêt</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Phase du revêtement</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Temps restant dans la phase</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Temps de travail écoulé jusqu&apos;à la prise</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Démarrer</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Au moment où l&apos;eau touche la poudre</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Arrêter</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Arrêter et remettre à zéro</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Malaxage</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Coulée</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Prise</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Terminé</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Non démarré</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>reste %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fin du malaxage à %1, fin de la coulée à %2, prise à %3</source>
        <translation type="unfinished"></translation>
    </message>
</context>
</TS>
