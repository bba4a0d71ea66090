// The French texts of the user interface, row by row in index order.
#include "shared/Teksten.h"

void VulTekstenFrans(TekstenTabel& t) {
    t[99] = QStringLiteral("&Oui");
    t[100] = QStringLiteral("&Non");
    t[101] = QStringLiteral("&Fichier");
    t[102] = QStringLiteral("&Nouveau");
    t[103] = QStringLiteral("&Ouvrir");
    t[104] = QStringLiteral("&Enregistrer les paramètres");
    t[105] = QStringLiteral("Enregistrer &sous...");
    t[106] = QStringLiteral("&Imprimer");
    t[107] = QStringLiteral("&Configuration de l'imprimante");
    t[108] = QStringLiteral("&Quitter");
    t[109] = QStringLiteral("&Édition");
    t[110] = QStringLiteral("&Copier");
    t[111] = QStringLiteral("&Supprimer");
    t[112] = QStringLiteral("&Données");
    t[113] = QStringLiteral("&Journal");
    t[114] = QStringLiteral("&Paramètres");
    t[115] = QStringLiteral("Arrêt");
    t[116] = QStringLiteral("Argument non valable!");
    t[117] = QStringLiteral("' est introuvable!");
    t[118] = QStringLiteral("Un fichier avec ce nom existe déjà!\r\n"
                            "\r\n"
                            "Choisissez 'Oui' pour ECRASER ce fichier existant!\r\n");
    t[119] = QStringLiteral("Charger le dernier fichier de données au démarrage");
    t[120] = QStringLiteral("Hors plage");
    t[121] = QStringLiteral("Graphique");
    t[122] = QStringLiteral("Tableau");
    t[123] = QStringLiteral("N°");
    t[124] = QStringLiteral("Date");
    t[125] = QStringLiteral("Heure");
    t[126] = QStringLiteral("Info");
    t[127] = QStringLiteral("Paramètres");
    t[128] = QStringLiteral("Connexion");
    t[129] = QStringLiteral("Le module ne répond pas!");
    t[130] = QStringLiteral("Port série");
    t[131] = QStringLiteral("Vitesse de transmission");
    t[132] = QStringLiteral("Démarrer l'enregistrement à:");
    t[133] = QStringLiteral("Arrêter l'enregistrement à:");
    t[134] = QStringLiteral("Intervalle de temps");
    t[135] = QStringLiteral(
        "Aucun rack ni module n'est enregistré.\r\n"
        "Le logiciel va envoyer une demande de connexion.\r\n"
        "Si un rack ne répond pas (attendez au moins 1 minute), vérifiez les connexions,\r\n"
        "les paramètres du port série et l'alimentation des racks. Réessayez en choisissant\r\n"
        "'Système>Rechercher..' dans le menu.\r\n");
    t[136] = QStringLiteral("Afficher les tableaux successivement.");
    t[137] = QStringLiteral("Afficher les fenêtres de mesure successivement.");
    t[138] = QStringLiteral("Enregistrement");
    t[139] = QStringLiteral("Tentatives");
    t[140] = QStringLiteral("&OK");
    t[141] = QStringLiteral("&Annuler");
    t[142] = QStringLiteral("Demande de connexion ...");
    t[143] = QStringLiteral("Sélectionnez le port série utilisé pour la connexion");
    t[144] = QStringLiteral("Démarrer l'enregistrement au démarrage");
    t[145] = QStringLiteral("&Arrêter");
    t[146] = QStringLiteral("Saisie incorrecte!");
    t[147] = QStringLiteral("Le port série est déjà utilisé!");
    t[148] = QStringLiteral("Vérifiez '");
    t[149] = QStringLiteral("' ou sélectionnez un autre port!");
    t[150] = QStringLiteral("Enregistrement des données DÉSACTIVÉ");
    t[151] = QStringLiteral("Enregistrement des données ACTIVÉ");
    t[152] = QStringLiteral("Erreur à l'ouverture de '");
    t[153] = QStringLiteral("ISO-pH");
    t[154] = QStringLiteral("Temps");
    t[155] = QStringLiteral("Ion");
    t[156] = QStringLiteral("Voulez-vous sauvegarder les données actuelles?");
    t[157] = QStringLiteral("Paramètres du &graphique");
    t[158] = QStringLiteral("Fenê&tre");
    t[159] = QStringLiteral("Mosaïque &horizontale");
    t[160] = QStringLiteral("Mosaïque &verticale");
    t[161] = QStringLiteral("&Cascade");
    t[162] = QStringLiteral("&Réorganiser les icônes");
    t[163] = QStringLiteral("Police");
    t[164] = QStringLiteral("&Tout sélectionner");
    t[165] = QStringLiteral("&Désélectionner tout");
    t[166] = QStringLiteral("&Inverser la sélection");
    t[167] = QStringLiteral("&Renuméroter");
    t[168] = QStringLiteral("Nombre de points visibles");
    t[169] = QStringLiteral("Réglage automatique");
    t[170] = QStringLiteral("Axe des valeurs");
    t[171] = QStringLiteral("Axe du temps");
    t[172] = QStringLiteral("Maximum");
    t[173] = QStringLiteral("Minimum");
    t[174] = QStringLiteral("Nombre de divisions");
    t[175] = QStringLiteral("&Couleur de la courbe");
    t[176] = QStringLiteral("Nombre de subdivisions");
    t[177] = QStringLiteral("Moyenne");
    t[178] = QStringLiteral("Fichiers de configuration");
    t[179] = QStringLiteral("Barre d'&outils");
    t[180] = QStringLiteral("Statistiques");
    t[181] = QStringLiteral("Chargement du fichier de données...");
    t[182] = QStringLiteral("Fichiers de données");
    t[183] = QStringLiteral("Voulez vous sauvegarder la configuration?");
    t[184] = QStringLiteral("Paramètres sauvegardés!");
    t[185] = QStringLiteral("Ter&minal");
    t[186] = QStringLiteral("Fichier à enregistrer sous ...");
    t[187] = QStringLiteral("Fichier à ouvrir");
    t[188] = QStringLiteral("Changer la police");
    t[189] = QStringLiteral("L'enregistrement de fichiers sur un réseau n'est pas pris en charge!");
    t[190] = QStringLiteral("Dénomination non valable!");
    t[191] = QStringLiteral("MOYENNE:");
    t[192] = QStringLiteral("mode relatif");
    t[193] = QStringLiteral("Modifier l'info");
    t[194] = QStringLiteral("Nombre de valeurs");
    t[195] = QStringLiteral("Opérateur:");
    t[196] = QStringLiteral("Société:");
    t[197] = QStringLiteral("Département:");
    t[198] = QStringLiteral("Remarque:");
    t[199] = QStringLiteral("Système:");
    t[200] = QStringLiteral("N° ID");
    t[201] = QStringLiteral("Général");
    t[202] = QStringLiteral("Module");
    t[203] = QStringLiteral("Entrez un nom différent de celui du fichier en mémoire!");
    t[204] = QStringLiteral("Tout");
    t[205] = QStringLiteral("Fenêtre active");
    t[206] = QStringLiteral("Limiter à la sélection");
    t[207] = QStringLiteral("Marge supérieure:");
    t[208] = QStringLiteral("Marge inférieure:");
    t[209] = QStringLiteral("Marge gauche:");
    t[210] = QStringLiteral("Marge droite:");
    t[211] = QStringLiteral("Marges de la page");
    t[212] = QStringLiteral("Valeurs en millimètres,");
    t[213] = QStringLiteral("par rapport à la zone imprimable");
    t[214] = QStringLiteral("&Copier");
    t[215] = QStringLiteral("Tous les fichiers (*.*)|*.*");
    t[216] = QStringLiteral("Fichiers texte");
    t[217] = QStringLiteral("Données corrompues!");
    t[218] = QStringLiteral("Nouveau fichier à enregistrer sous ...");
    t[219] = QStringLiteral("Couleur");
    t[220] = QStringLiteral("Alarme");
    t[221] = QStringLiteral("Limite haute");
    t[222] = QStringLiteral("Limite basse");
    t[223] = QStringLiteral("Inclure le rapport d'alarme");
    t[224] = QStringLiteral("Rapport d'alarme");
    t[225] = QStringLiteral("Limite haute dépassée:");
    t[226] = QStringLiteral("Limite basse dépassée:");
    t[227] = QStringLiteral("&Aide");
    t[228] = QStringLiteral("Rétabli:");
    t[229] = QStringLiteral("Nombre de dépassements de la limite haute:");
    t[230] = QStringLiteral("La limite haute n'a pas été dépassée.");
    t[231] = QStringLiteral("Nombre de dépassements de la limite basse:");
    t[232] = QStringLiteral("La limite basse n'a pas été dépassée.");
    t[233] = QStringLiteral("Le fichier original est restauré.\r\n");
    t[234] = QStringLiteral("Le fichier est en cours d'utilisation, l'accès à # est refusé!");
    t[235] = QStringLiteral("&Réessayer");
    t[236] = QStringLiteral("&Ignorer");
    t[237] = QStringLiteral("Plage de mesure");
    t[238] = QStringLiteral("Version");
    t[239] = QStringLiteral("Système d'acquisition de données");
    t[240] = QStringLiteral("En-tête de page");
    t[241] = QStringLiteral("Sélectionnez la langue:");
    t[242] = QStringLiteral("Langue");
    t[243] = QStringLiteral("&Sommaire");
    t[244] = QStringLiteral("Saisie erronée!");
    t[245] = QStringLiteral("Attention: ");
    t[246] = QStringLiteral("Informations s&ystème...");
    t[247] = QStringLiteral("Les informations système ne sont pas disponibles pour le moment!");
    t[248] = QStringLiteral("Lecture des paramètres");
    t[249] = QStringLiteral("Tous droits réservés.");
    t[250] = QStringLiteral("Veuillez patienter pendant l'écriture vers ");
    t[251] = QStringLiteral("Nombre de sélections: ");
    t[252] = QStringLiteral("Fichier inexistant!");
    t[253] = QStringLiteral("Nouveau");
    t[254] = QStringLiteral("Ouvrir");
    t[255] = QStringLiteral("Enregistrer sous...");
    t[256] = QStringLiteral("Nouveau fichier...");
    t[257] = QStringLiteral("Paramètres");
    t[258] = QStringLiteral("Paramètres du graphique");
    t[259] = QStringLiteral("Police");
    t[260] = QStringLiteral("Enregistrer les paramètres");
    t[261] = QStringLiteral("Enregistrer les données");
    t[262] = QStringLiteral("Recevoir les données");
    t[263] = QStringLiteral("Étalonnage #:");
    t[264] = QStringLiteral("Déconnecter");
    t[265] = QStringLiteral("Afficher la fenêtre du terminal");
    t[266] = QStringLiteral("Copier dans le presse-papiers");
    t[267] = QStringLiteral("Veuillez patienter jusqu'à ce que tous les racks soient connectés!");
    t[268] = QStringLiteral("GLP");
    t[269] = QStringLiteral("Le dossier de fichiers indiqué n'est pas valable!");
    t[270] = QStringLiteral("Pente");
    t[271] = QStringLiteral("Décalage");
    t[272] = QStringLiteral("Constante de cellule");
    t[273] = QStringLiteral("Salinité");
    t[274] = QStringLiteral("Pression atmosphérique");
    t[275] = QStringLiteral("Point zéro");
    t[276] = QStringLiteral("Date - Heure");
    t[277] = QStringLiteral("Étalonné à");
    t[278] = QStringLiteral("Unité");
    t[279] = QStringLiteral("Résolution");
    t[280] = QStringLiteral("Étalonner à ");
    t[281] = QStringLiteral("Veuillez sélectionner ou entrer la valeur 'Étalonner à'.");
    t[282] = QStringLiteral("Le décalage est trop grand.");
    t[283] = QStringLiteral("Limites");
    t[284] = QStringLiteral("La sonde de température n'est pas connectée!");
    t[285] = QStringLiteral("La mesure est hors plage!");
    t[286] = QStringLiteral("Échelle");
    t[287] = QStringLiteral("É&talonner");
    t[288] =
        QStringLiteral("Sélectionnez le tampon 1.\r\n"
                       "Rincez l'électrode, plongez-la dans le tampon, agitez et choisissez 'Étalonner'!");
    t[289] = QStringLiteral("Continuez à agiter et attendez la validation!");
    t[290] = QStringLiteral("Sélectionnez le tampon 2.\r\n"
                            "Rincez l'électrode, plongez-la dans le tampon, agitez et choisissez "
                            "'Étalonner' ou choisissez 'OK' pour un étalonnage en 1 point!");
    t[291] = QStringLiteral("La température est en dehors de la plage de la table d'étalons sélectionnée!");
    t[292] = QStringLiteral("pH actuel");
    t[293] = QStringLiteral("Mesure");
    t[294] = QStringLiteral("Étalon");
    t[295] = QStringLiteral("Entrée");
    t[296] = QStringLiteral("Module");
    t[297] = QStringLiteral("Rack");
    t[298] = QStringLiteral("Message");
    t[299] = QStringLiteral("Erreur");
    t[300] = QStringLiteral("La température est hors plage!");
    t[301] = QStringLiteral("Tampon non valable!\r\n"
                            "\r\n"
                            "Vérifiez la sélection et/ou la table des tampons!");
    t[302] = QStringLiteral("La différence entre les 2 étalons est trop faible!\r\n"
                            "\r\n");
    t[303] = QStringLiteral("Le pH ISO de l'électrode est hors plage!");
    t[304] = QStringLiteral("La pente de l'électrode est hors plage!");
    t[305] = QStringLiteral("Étalonnage réussi!");
    t[306] = QStringLiteral("pH ISO");
    t[307] = QStringLiteral("Choisissez 'OK' pour continuer!");
    t[308] = QStringLiteral("Sélectionnez un autre étalon qui diffère d'au moins 2 pH du premier étalon!");
    t[309] = QStringLiteral("Vérifiez l'étalon et/ou l'électrode et son câble!");
    t[310] = QStringLiteral("Valeur manuelle");
    t[311] = QStringLiteral("Veuillez entrer une nouvelle 'Valeur manuelle'.");
    t[312] = QStringLiteral("Entrez le nom du rack:");
    t[313] = QStringLiteral("Entrez le nom du module:");
    t[314] = QStringLiteral("!! Attention !!");
    t[315] = QStringLiteral("Des modifications du système de mesure peuvent rendre\r\n"
                            "les fichiers de données enregistrés auparavant\r\n"
                            "illisibles pour ce logiciel!\r\n");
    t[316] = QStringLiteral("Constante de cellule");
    t[317] = QStringLiteral("Étalon");
    t[318] = QStringLiteral("Conductivité actuelle");
    t[319] =
        QStringLiteral("Sélectionnez l'étalon.\r\n"
                       "Rincez l'électrode, plongez-la dans l'étalon, agitez et choisissez 'Étalonner'!");
    t[320] = QStringLiteral("Re&chercher..");
    t[321] = QStringLiteral("L'échelle est hors plage!");
    t[322] = QStringLiteral("La constante de cellule est hors plage!");
    t[323] = QStringLiteral(
        "Causes possibles: bulles d'air, étalon incorrect ou pollué, électrode défectueuse ou polluée, ...");
    t[324] = QStringLiteral("Mesure très faible!\r\n"
                            "\r\n"
                            "Vérifiez l'électrode et/ou la solution étalon!\r\n"
                            "\r\n"
                            "Choisissez 'Étalonner' pour recommencer.");
    t[325] = QStringLiteral("Sélectionnez l'heure de début:");
    t[326] = QStringLiteral("Sélectionnez l'heure de fin:");
    t[327] = QStringLiteral("Choisissez une heure de fin postérieure à l'heure de début!");
    t[328] = QStringLiteral(
        "Ce fichier (voir le titre de la fenêtre) est introuvable dans la section bibliothèque.\r\n"
        "Assurez-vous que ce fichier s'y trouve pour poursuivre l'étalonnage.");
    t[329] = QStringLiteral("Type de cellule");
    t[330] = QStringLiteral("La salinité ne peut pas dépasser ");
    t[331] = QStringLiteral("Série");
    t[332] = QStringLiteral("Série de données");
    t[333] = QStringLiteral("Divers");
    t[334] = QStringLiteral("Nouveau graphique");
    t[335] = QStringLiteral("Le nombre maximal de graphiques est atteint!\r\n"
                            "\r\n"
                            "Supprimez d'autres graphiques pour en créer un nouveau.");
    t[336] = QStringLiteral("Sélectionnez l'entrée pour $$, ligne numéro ##");
    t[337] = QStringLiteral("Température");
    t[338] = QStringLiteral("Sélectionnez $$ dans la liste!");
    t[339] = QStringLiteral("Nom du graphique");
    t[340] = QStringLiteral("Remplacer les paramètres du tableau 'YY'\r\n"
                            "par ceux de 'XX' ?");
    t[341] = QStringLiteral("Remplacer les paramètres du graphique 'YY'\r\n"
                            "par ceux de 'XX' ?");
    t[342] = QStringLiteral("C&opier les paramètres");
    t[343] = QStringLiteral("Re&mplacer les paramètres");
    t[344] = QStringLiteral("Enregistreur XY");
    t[345] = QStringLiteral("Choisissez 'Oui' pour supprimer ce graphique,\r\n"
                            "Choisissez 'Non' pour le réduire.");
    t[346] = QStringLiteral("Titre");
    t[347] = QStringLiteral("Fermer");
    t[348] = QStringLiteral("Imprimante");
    t[349] = QStringLiteral("Format du papier: ");
    t[350] = QStringLiteral("Orientation: ");
    t[351] = QStringLiteral("Portrait");
    t[352] = QStringLiteral("Paysage");
    t[353] = QStringLiteral("Sélectionnez une cellule pour modifier ses paramètres!");
    t[354] = QStringLiteral("Activer");
    t[355] = QStringLiteral("Imprimer");
    t[356] = QStringLiteral("Impression en cours...");
    t[357] = QStringLiteral("Valeurs du tableau");
    t[358] = QStringLiteral("Afficher les graphiques successivement. \\/: nouveau");
    t[359] = QStringLiteral("Compensation de température");
    t[360] = QStringLiteral("Température de référence");
    t[361] = QStringLiteral("Mise à jour des paramètres du module ...");
    t[362] = QStringLiteral("Un étalon de conductivité plus faible est nécessaire\r\n"
                            "pour étalonner ce type de cellule!");
    t[363] = QStringLiteral("Options de conductivité");
    t[364] = QStringLiteral("Données d'étalonnage");
    t[365] = QStringLiteral("Étalonnage nécessaire!");
    t[366] = QStringLiteral("Non étalonné!");
    t[367] = QStringLiteral("Les données d'étalonnage de cette cellule de conductivité indiquent un\r\n"
                            "type de cellule différent du paramètre du module!\r\n"
                            "\r\n");
    t[368] = QStringLiteral("Cette entrée doit être étalonnée.\r\n"
                            "Si vous l'ignorez, les mesures seront erronées!\r\n"
                            "\r\n"
                            "Choisissez OK pour ignorer ou 'Annuler' pour revenir.");
    t[369] = QStringLiteral("Capteur");
    t[370] = QStringLiteral("Vérifiez l'électrode et/ou le câble!");
    t[371] = QStringLiteral("Solution de blanc");
    t[372] = QStringLiteral("mV/décade");
    t[373] = QStringLiteral("La mesure n'a pas été trouvée stable.\r\n"
                            "\r\n"
                            "Voulez-vous accepter cette valeur comme valeur validée?\r\n");
    t[374] =
        QStringLiteral("Sélectionnez l'étalon 2.\r\n"
                       "Rincez l'électrode, plongez-la dans l'étalon, agitez et choisissez 'Étalonner'!");
    t[375] = QStringLiteral(
        "Rincez l'électrode, plongez-la dans une solution de blanc, agitez et choisissez 'Étalonner'.\r\n"
        "\r\n"
        "Choisissez 'OK' pour sauter l'étalonnage de la solution de blanc.");
    t[376] = QStringLiteral("Continuez à agiter et attendez que les lectures soient stables.\r\n"
                            "\r\n"
                            "Choisissez 'OK' pour valider les mesures.");
    t[377] = QStringLiteral("log[Conc]");
    t[378] = QStringLiteral(
        "La concentration de blanc calculée est plus élevée que celle des étalons enregistrés auparavant.\r\n"
        "\r\n"
        "Vérifiez la solution et/ou l'électrode.\r\n");
    t[379] = QStringLiteral(
        "Sélectionnez un autre étalon d'une concentration différente de celle du premier étalon!");
    t[380] = QStringLiteral("Désactivé");
    t[381] = QStringLiteral("Entrez la pression atmosphérique en hPa:");
    t[382] = QStringLiteral("Options d'oxygène dissous");
    t[383] = QStringLiteral("La pression atmosphérique doit être comprise entre 800 et 1200 hPa!");
    t[384] = QStringLiteral("&Réinitialiser");
    t[385] = QStringLiteral("Op&tions");
    t[386] = QStringLiteral("G&LP");
    t[387] = QStringLiteral("Nom du r&ack");
    t[388] = QStringLiteral("Nom du &module");
    t[389] = QStringLiteral("&Effacer");
    t[390] = QStringLiteral("Potentiel");
    t[391] = QStringLiteral("Configuration");
    t[392] = QStringLiteral("Rapport");
    t[393] = QStringLiteral("Dernier");
    t[394] = QStringLiteral("Précédent");
    t[395] = QStringLiteral("Précédent -1");
    t[396] = QStringLiteral("Précédent -2");
    t[397] = QStringLiteral("Précédent -3");
    t[398] = QStringLiteral("Appuyez sur 'Échap' pour fermer cette fenêtre.");
    t[399] = QStringLiteral("Rapport GLP");
    t[400] = QStringLiteral("Rapport de configuration");
    t[401] = QStringLiteral("Rack");
    t[402] = QStringLiteral("N° ID");
    t[403] = QStringLiteral("Module");
    t[404] = QStringLiteral("N° ID");
    t[405] = QStringLiteral("Type");
    t[406] = QStringLiteral("Entrée");
    t[407] = QStringLiteral("Activé");
    t[408] = QStringLiteral("Unité");
    t[409] = QStringLiteral("Capteur");
    t[410] = QStringLiteral("Type");
    t[411] = QStringLiteral("Étalonnage");
    t[412] = QStringLiteral("État");
    t[413] = QStringLiteral("Info");
    t[414] = QStringLiteral("Nom");
    t[415] = QStringLiteral("Tampon");
    t[416] = QStringLiteral("Potentiel du blanc");
    t[417] = QStringLiteral("Rack désactivé!");
    t[418] = QStringLiteral("Marche");
    t[419] = QStringLiteral("Arrêt");
    t[420] = QStringLiteral("Arrêter/Démarrer la mesure");
    t[421] = QStringLiteral("\r\n"
                            "ATTENTION:\r\n"
                            "    Tous les points enregistrés au même moment dans tous les tableaux\r\n"
                            "    seront effacés!\r\n"
                            "\r\n"
                            "Voulez-vous supprimer tous les points sélectionnés?\r\n");
    t[422] = QStringLiteral("Su&pprimer les lignes sélectionnées");
    t[423] = QStringLiteral("E&ffacer les cellules sélectionnées");
    t[424] = QStringLiteral("Les tableaux de données ont été modifiés.\r\n"
                            "\r\n"
                            "Choisissez 'Oui' pour enregistrer les modifications ou\r\n"
                            "'Non' pour les ignorer et conserver le fichier original!");
    t[425] = QStringLiteral("Ce fichier a été modifié auparavant sans être enregistré.\r\n"
                            "\r\n"
                            "Choisissez 'Oui' pour enregistrer les modifications ou\r\n"
                            "'Non' pour les ignorer et conserver le fichier original!");
    t[426] = QStringLiteral("&Système");
    t[427] = QStringLiteral("&Nouveau");
    t[428] = QStringLiteral("&Mesurer");
    t[429] = QStringLiteral("Affic&hage");
    t[430] = QStringLiteral("Paramètres du &module");
    t[431] = QStringLiteral("Étalonnage d'&usine");
    t[432] = QStringLiteral("&Toujours au premier plan");
    t[433] = QStringLiteral("&Activer le rack");
    t[434] = QStringLiteral("&Imprimer le rack");
    t[435] = QStringLiteral("Arbre du &système");
    t[436] = QStringLiteral("Imprimer automatiquement");
    t[437] = QStringLiteral("Afficher la légende");
    t[438] = QStringLiteral("Étiquettes");
    t[439] =
        QStringLiteral("Sélectionnez l'étalon 1.\r\n"
                       "Rincez l'électrode, plongez-la dans l'étalon, agitez et choisissez 'Étalonner'!");
    t[440] = QStringLiteral("une Entrée");
    t[441] = QStringLiteral("un Module");
    t[442] = QStringLiteral("un Rack");
    t[443] = QStringLiteral("Plage");
    t[444] = QStringLiteral(
        "Les tableaux dont le nom de fichier est généré automatiquement ne peuvent pas être modifiés!\r\n");
    t[445] = QStringLiteral("Horloge relative");
    t[446] = QStringLiteral("Définir le point de référence");
    t[447] = QStringLiteral("Le nombre maximal de racks est atteint!");
    t[448] = QStringLiteral("Nouveau rack");
    t[449] = QStringLiteral("Une erreur s'est produite lors de la lecture de ce fichier de données!");
    t[450] = QStringLiteral("Le code de réinitialisation du rack est envoyé");
    t[451] = QStringLiteral("Le code de réinitialisation du module est envoyé");
    t[452] = QStringLiteral("La demande de connexion est envoyée");
    t[453] = QStringLiteral("Le logiciel K740 est démarré");
    t[454] = QStringLiteral("Configuration lue,");
    t[455] = QStringLiteral("Configuration sauvegardée");
    t[456] = QStringLiteral("Commande: ");
    t[457] = QStringLiteral("Mesure: ");
    t[458] = QStringLiteral("Enregistreur de données: ");
    t[459] = QStringLiteral("Connexion: ");
    t[460] = QStringLiteral("Le logiciel K740 est arrêté");
    t[461] = QStringLiteral("Reçu: ");
    t[462] = QStringLiteral("Manuellement");
    t[463] = QStringLiteral("Réinitialiser &racks/modules");
    t[464] = QStringLiteral("Com&pensation cap.");
    t[465] = QStringLiteral("Compensation capacitive");
    t[466] = QStringLiteral("Veuillez patienter jusqu'à ce que le système trouve la mesure stable!");
    t[467] = QStringLiteral("Vérifiez que la cellule connectée est complètement sèche!");
    t[468] = QStringLiteral("La valeur mesurée de la cellule sèche est trop élevée!");
    t[469] = QStringLiteral("Étalon défini par l'utilisateur");
    t[470] = QStringLiteral("Emplacements");
    t[471] =
        QStringLiteral("Modifiez les emplacements des fichiers en cliquant sur la ligne correspondante:");
    t[472] = QStringLiteral("Données");
    t[473] = QStringLiteral("Bibliothèque");
    t[474] = QStringLiteral("Configuration");
    t[475] = QStringLiteral("Fichiers");
    t[476] = QStringLiteral("Dossier");
    t[477] = QStringLiteral("Sélectionnez le dossier: ");
    t[478] = QStringLiteral("Une erreur s'est produite au démarrage de '##'.");
    t[479] = QStringLiteral("Fermez '##' pour revenir au logiciel K740!");
    t[480] = QStringLiteral("Les fichiers sont déplacés vers le nouvel emplacement.\r\n"
                            "Ce fichier existe déjà dans le dossier indiqué.\r\n"
                            "\r\n"
                            "Pour remplacer tous les fichiers existants, choisissez 'Oui'.\r\n"
                            "Si vous voulez remplacer uniquement ce fichier, choisissez 'Non'.\r\n"
                            "Choisissez 'Annuler' pour arrêter ce transfert.\r\n");
    t[481] = QStringLiteral("Saisie manuelle");
    t[482] = QStringLiteral("Entrez manuellement la valeur de la constante de cellule!");
    t[483] = QStringLiteral("&Vers un fichier...");
    t[484] = QStringLiteral("Température");
    t[485] = QStringLiteral("Partager cette mesure pour ce module.");
    t[486] = QStringLiteral("Utiliser la mesure partagée (##).");
    t[487] = QStringLiteral("Mesure partagée");
    t[488] = QStringLiteral("Du CH");
    t[489] = QStringLiteral("Terminé !");
    t[490] = QStringLiteral("Une erreur s'est produite lors de l'écriture de ce fichier de données!");
    t[491] = QStringLiteral("Régler la valeur manuelle sur la dernière mesure");
    t[492] = QStringLiteral("Le disque n'accepte pas les lignes de ce fichier de données et la mémoire qui "
                            "les garde est pleine : des lignes sont abandonnées à partir de ##, jusqu'à ce "
                            "que le fichier puisse être écrit à nouveau.");
    t[493] = QStringLiteral("## lignes non écrites, de ## à ##");
    t[494] = QStringLiteral("Les fichiers ne sont pas déplacés : ils restent dans #.");
    t[495] =
        QStringLiteral("Le disque n'accepte pas les lignes de ## fichiers de journalisation de ce fichier "
                       "de données et la mémoire qui les garde est pleine : des lignes sont perdues à "
                       "partir de ##, jusqu'à ce que les fichiers puissent être écrits à nouveau.");
    t[496] = QStringLiteral("des lignes sont perdues à partir de ##");
    t[497] = QStringLiteral("1 ligne non écrite, à ##");
    t[498] = QStringLiteral("le point final de ## n'a pas été écrit");
    t[499] = QStringLiteral("Ce fichier et les racks présents diffèrent en ##.\r\n"
                            "\r\n"
                            "Un fichier de journalisation désigne chaque rack et chaque module par son\r\n"
                            "numéro au moment de l'écriture (R2M1 : rack 2, module 1), et ses valeurs\r\n"
                            "vont au rack et au module qui portent ce numéro maintenant. Les valeurs d'un\r\n"
                            "rack ou d'un module absent sous ce numéro sont omises ; un module dont le\r\n"
                            "fichier ne contient aucune valeur ne montre que les heures et ne peut pas\r\n"
                            "être modifié.");
    t[500] = QStringLiteral("Français");
    t[501] = QStringLiteral("Cette ligne a été lue par position et ne contient aucun champ de ##.\r\n"
                            "\r\n"
                            "Une ligne dont l'en-tête du fichier ne place pas les blocs, ou qui contient\r\n"
                            "plus de champs que son en-tête, donne ses blocs aux modules présents dans\r\n"
                            "leur ordre. Cette ligne se termine avant un bloc de ce module : ses cellules\r\n"
                            "sont vides et ne peuvent pas être modifiées.");
    t[502] = QStringLiteral("La place des valeurs de cette ligne dans sa ligne du fichier n'est pas\r\n"
                            "connue : les racks et les modules avec lesquels elle a été lue,\r\n"
                            "enregistrée ou consignée ne sont pas connus. Elle ne peut pas être\r\n"
                            "modifiée. Ouvrez à nouveau le fichier pour la modifier.");
    t[503] = QStringLiteral("Système");
    t[504] = QStringLiteral("Noyau");
    t[505] = QStringLiteral("Architecture du processeur");
    t[506] = QStringLiteral("Mémoire");
    t[507] = QStringLiteral("## libres");
    t[508] = QStringLiteral("Nom de l'ordinateur");
    t[509] = QStringLiteral("Cette ligne du tableau n'a pas de ligne dans le fichier :\r\n"
                            "son texte d'info ne peut pas être écrit.\r\n"
                            "\r\n"
                            "Une ligne sans heure (supprimée, ou la ligne vide sous la plus récente)\r\n"
                            "n'en a pas, ni une ligne abandonnée parce que le disque l'a refusée.");
    t[510] = QStringLiteral("Le tableau a changé pendant la saisie de ce texte d'info :\r\n"
                            "le texte n'a pas été écrit.\r\n"
                            "\r\n"
                            "L'enregistrement est actif, le tableau montre un autre fichier, ou il\r\n"
                            "a été vidé ou réorganisé (une recherche). Rouvrez l'info de la ligne.");
    t[511] = QStringLiteral("Le tableau a changé pendant que la demande de suppression des lignes\r\n"
                            "était ouverte : aucune ligne n'a été supprimée.\r\n"
                            "\r\n"
                            "L'enregistrement est actif, le tableau montre un autre fichier, ou il a\r\n"
                            "été fermé, vidé ou réorganisé (une recherche). Sélectionnez les lignes à\r\n"
                            "supprimer et supprimez-les à nouveau.");
    t[512] = QStringLiteral("Un autre fichier de données a été ouvert pendant que la commande\r\n"
                            "Enregistrer sous attendait une réponse : rien n'a été enregistré.\r\n"
                            "\r\n"
                            "Les tableaux montrent maintenant un autre fichier : il a été ouvert ou créé\r\n"
                            "entre-temps, ou l'enregistrement s'est poursuivi dans un nouveau fichier.\r\n"
                            "Choisissez à nouveau Enregistrer sous pour enregistrer le fichier affiché.");
    t[513] = QStringLiteral("Les tableaux ont été modifiés pendant que la commande Enregistrer sous\r\n"
                            "attendait une réponse : rien n'a été enregistré.\r\n"
                            "\r\n"
                            "Les modifications attendent dans la copie de travail du fichier nommé dans\r\n"
                            "le titre, que les tableaux montrent. Choisissez à nouveau Enregistrer sous\r\n"
                            "pour enregistrer le fichier avec ses modifications.");
}
