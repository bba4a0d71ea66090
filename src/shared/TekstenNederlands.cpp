// The Dutch texts of the user interface, row by row in index order.
#include "shared/Teksten.h"

void VulTekstenNederlands(TekstenTabel& t) {
    t[99] = QStringLiteral("&Ja");
    t[100] = QStringLiteral("&Nee");
    t[101] = QStringLiteral("&Bestand");
    t[102] = QStringLiteral("&Nieuw");
    t[103] = QStringLiteral("&Openen");
    t[104] = QStringLiteral("Instellingen op&slaan");
    t[105] = QStringLiteral("Opslaan &als...");
    t[106] = QStringLiteral("Af&drukken");
    t[107] = QStringLiteral("&Printerinstellingen");
    t[108] = QStringLiteral("A&fsluiten");
    t[109] = QStringLiteral("Be&werken");
    t[110] = QStringLiteral("&Kopiëren");
    t[111] = QStringLiteral("&Verwijderen");
    t[112] = QStringLiteral("G&egevens");
    t[113] = QStringLiteral("&Loggen");
    t[114] = QStringLiteral("&Instellingen");
    t[115] = QStringLiteral("Stop");
    t[116] = QStringLiteral("Ongeldig argument!");
    t[117] = QStringLiteral("' werd niet gevonden!");
    t[118] = QStringLiteral("Een bestand met deze naam bestaat reeds!\r\n"
                            "\r\n"
                            "Kies 'Ja' om dit bestaande bestand te OVERSCHRIJVEN!\r\n");
    t[119] = QStringLiteral("Laatste gegevensbestand laden bij het opstarten");
    t[120] = QStringLiteral("Buiten bereik");
    t[121] = QStringLiteral("Grafiek");
    t[122] = QStringLiteral("Tabel");
    t[123] = QStringLiteral("Nr.");
    t[124] = QStringLiteral("Datum");
    t[125] = QStringLiteral("Tijd");
    t[126] = QStringLiteral("Info");
    t[127] = QStringLiteral("Instellingen");
    t[128] = QStringLiteral("Verbinding");
    t[129] = QStringLiteral("Module antwoordt niet!");
    t[130] = QStringLiteral("Seriële poort");
    t[131] = QStringLiteral("Baudsnelheid");
    t[132] = QStringLiteral("Start loggen om:");
    t[133] = QStringLiteral("Stop loggen om:");
    t[134] = QStringLiteral("Tijdsinterval");
    t[135] = QStringLiteral(
        "Er zijn geen racks of modules aangemeld.\r\n"
        "Het programma zal een aanmeldingsverzoek versturen.\r\n"
        "Als een rack niet antwoordt (wacht minstens 1 minuut), controleer dan de verbindingen,\r\n"
        "de instellingen van de seriële poort en of de racks gevoed zijn. Probeer opnieuw via\r\n"
        "'Systeem>Zoeken..' in het menu.\r\n");
    t[136] = QStringLiteral("Tabellen na elkaar tonen.");
    t[137] = QStringLiteral("Meetvensters na elkaar tonen.");
    t[138] = QStringLiteral("Loggen");
    t[139] = QStringLiteral("Pogingen");
    t[140] = QStringLiteral("&OK");
    t[141] = QStringLiteral("&Annuleren");
    t[142] = QStringLiteral("Verzoek tot aanmelden ...");
    t[143] = QStringLiteral("Kies de seriële poort voor de verbinding");
    t[144] = QStringLiteral("Loggen starten bij het opstarten");
    t[145] = QStringLiteral("&Afbreken");
    t[146] = QStringLiteral("Onjuiste invoer!");
    t[147] = QStringLiteral("De seriële poort is reeds in gebruik!");
    t[148] = QStringLiteral("Controleer '");
    t[149] = QStringLiteral("' of kies een andere poort!");
    t[150] = QStringLiteral("Gegevens loggen UIT");
    t[151] = QStringLiteral("Gegevens loggen AAN");
    t[152] = QStringLiteral("Fout bij het openen van '");
    t[153] = QStringLiteral("ISO-pH");
    t[154] = QStringLiteral("Tijd");
    t[155] = QStringLiteral("Ion");
    t[156] = QStringLiteral("Wenst u de huidige gegevens op te slaan?");
    t[157] = QStringLiteral("&Grafiekinstellingen");
    t[158] = QStringLiteral("&Venster");
    t[159] = QStringLiteral("&Horizontaal naast elkaar");
    t[160] = QStringLiteral("&Verticaal naast elkaar");
    t[161] = QStringLiteral("&Trapsgewijs");
    t[162] = QStringLiteral("&Pictogrammen schikken");
    t[163] = QStringLiteral("Lettertype");
    t[164] = QStringLiteral("&Alles selecteren");
    t[165] = QStringLiteral("Alles &deselecteren");
    t[166] = QStringLiteral("Selectie &omkeren");
    t[167] = QStringLiteral("&Hernummeren");
    t[168] = QStringLiteral("Aantal zichtbare punten");
    t[169] = QStringLiteral("Automatische instelling");
    t[170] = QStringLiteral("Waarde-as");
    t[171] = QStringLiteral("Tijdas");
    t[172] = QStringLiteral("Maximum");
    t[173] = QStringLiteral("Minimum");
    t[174] = QStringLiteral("Aantal verdelingen");
    t[175] = QStringLiteral("&Kleur van de curve");
    t[176] = QStringLiteral("Aantal onderverdelingen");
    t[177] = QStringLiteral("Gemiddelde");
    t[178] = QStringLiteral("Configuratiebestanden");
    t[179] = QStringLiteral("&Werkbalk");
    t[180] = QStringLiteral("Statistiek");
    t[181] = QStringLiteral("Gegevensbestand laden...");
    t[182] = QStringLiteral("Gegevensbestanden");
    t[183] = QStringLiteral("Wenst u de instellingen op te slaan?");
    t[184] = QStringLiteral("Instellingen opgeslagen!");
    t[185] = QStringLiteral("Ter&minal");
    t[186] = QStringLiteral("Bestand opslaan als ...");
    t[187] = QStringLiteral("Te openen bestand");
    t[188] = QStringLiteral("Lettertype wijzigen");
    t[189] = QStringLiteral("Bestanden opslaan op een netwerk wordt niet ondersteund!");
    t[190] = QStringLiteral("Ongeldige benaming!");
    t[191] = QStringLiteral("GEMIDDELDE:");
    t[192] = QStringLiteral("relatieve modus");
    t[193] = QStringLiteral("Info bewerken");
    t[194] = QStringLiteral("Aantal waarden");
    t[195] = QStringLiteral("Operator:");
    t[196] = QStringLiteral("Bedrijf:");
    t[197] = QStringLiteral("Afdeling:");
    t[198] = QStringLiteral("Opmerking:");
    t[199] = QStringLiteral("Systeem:");
    t[200] = QStringLiteral("ID.nr.");
    t[201] = QStringLiteral("Algemeen");
    t[202] = QStringLiteral("Module");
    t[203] = QStringLiteral("Geef een andere naam dan die van het bestand in het geheugen!");
    t[204] = QStringLiteral("Alles");
    t[205] = QStringLiteral("Huidig venster");
    t[206] = QStringLiteral("Beperken tot selectie");
    t[207] = QStringLiteral("Bovenmarge:");
    t[208] = QStringLiteral("Ondermarge:");
    t[209] = QStringLiteral("Linkermarge:");
    t[210] = QStringLiteral("Rechtermarge:");
    t[211] = QStringLiteral("Paginamarges");
    t[212] = QStringLiteral("Waarden in millimeter,");
    t[213] = QStringLiteral("ten opzichte van het afdrukbare gebied");
    t[214] = QStringLiteral("&Kopiëren");
    t[215] = QStringLiteral("Alle bestanden (*.*)|*.*");
    t[216] = QStringLiteral("Tekstbestanden");
    t[217] = QStringLiteral("Beschadigde gegevens!");
    t[218] = QStringLiteral("Nieuw bestand opslaan als ...");
    t[219] = QStringLiteral("Kleur");
    t[220] = QStringLiteral("Alarm");
    t[221] = QStringLiteral("Bovengrens");
    t[222] = QStringLiteral("Ondergrens");
    t[223] = QStringLiteral("Alarmrapport toevoegen");
    t[224] = QStringLiteral("Alarmrapport");
    t[225] = QStringLiteral("Bovengrens overschreden:");
    t[226] = QStringLiteral("Ondergrens overschreden:");
    t[227] = QStringLiteral("&Help");
    t[228] = QStringLiteral("Hersteld:");
    t[229] = QStringLiteral("Aantal keren dat de bovengrens overschreden werd:");
    t[230] = QStringLiteral("De bovengrens werd niet overschreden.");
    t[231] = QStringLiteral("Aantal keren dat de ondergrens overschreden werd:");
    t[232] = QStringLiteral("De ondergrens werd niet overschreden.");
    t[233] = QStringLiteral("Het oorspronkelijke bestand is hersteld.\r\n");
    t[234] = QStringLiteral("Het bestand is in gebruik, toegang tot # geweigerd!");
    t[235] = QStringLiteral("&Opnieuw");
    t[236] = QStringLiteral("&Negeren");
    t[237] = QStringLiteral("Meetbereik");
    t[238] = QStringLiteral("Versie");
    t[239] = QStringLiteral("Data-acquisitiesysteem");
    t[240] = QStringLiteral("Paginahoofding");
    t[241] = QStringLiteral("Kies de taal:");
    t[242] = QStringLiteral("Taal");
    t[243] = QStringLiteral("In&houd");
    t[244] = QStringLiteral("Foute invoer!");
    t[245] = QStringLiteral("Waarschuwing: ");
    t[246] = QStringLiteral("&Systeeminformatie...");
    t[247] = QStringLiteral("Systeeminformatie is momenteel niet beschikbaar!");
    t[248] = QStringLiteral("Parameters lezen");
    t[249] = QStringLiteral("Alle rechten voorbehouden.");
    t[250] = QStringLiteral("Even geduld, bezig met schrijven naar ");
    t[251] = QStringLiteral("Aantal selecties: ");
    t[252] = QStringLiteral("Bestand bestaat niet!");
    t[253] = QStringLiteral("Nieuw");
    t[254] = QStringLiteral("Openen");
    t[255] = QStringLiteral("Opslaan als...");
    t[256] = QStringLiteral("Nieuw bestand...");
    t[257] = QStringLiteral("Instellingen");
    t[258] = QStringLiteral("Grafiekinstellingen");
    t[259] = QStringLiteral("Lettertype");
    t[260] = QStringLiteral("Instellingen opslaan");
    t[261] = QStringLiteral("Gegevens loggen");
    t[262] = QStringLiteral("Gegevens ontvangen");
    t[263] = QStringLiteral("Kalibratie #:");
    t[264] = QStringLiteral("Verbinding verbreken");
    t[265] = QStringLiteral("Terminalvenster tonen");
    t[266] = QStringLiteral("Naar klembord kopiëren");
    t[267] = QStringLiteral("Even geduld tot alle racks aangemeld zijn!");
    t[268] = QStringLiteral("GLP");
    t[269] = QStringLiteral("De opgegeven bestandsmap is ongeldig!");
    t[270] = QStringLiteral("Helling");
    t[271] = QStringLiteral("Offset");
    t[272] = QStringLiteral("Celconstante");
    t[273] = QStringLiteral("Saliniteit");
    t[274] = QStringLiteral("Luchtdruk");
    t[275] = QStringLiteral("Nulpunt");
    t[276] = QStringLiteral("Datum - Tijd");
    t[277] = QStringLiteral("Gekalibreerd bij");
    t[278] = QStringLiteral("Eenheid");
    t[279] = QStringLiteral("Resolutie");
    t[280] = QStringLiteral("Kalibreren bij ");
    t[281] = QStringLiteral("Kies of geef de waarde 'Kalibreren bij' in.");
    t[282] = QStringLiteral("De offset is te groot.");
    t[283] = QStringLiteral("Grenzen");
    t[284] = QStringLiteral("Temperatuurvoeler is niet aangesloten!");
    t[285] = QStringLiteral("De meting is buiten bereik!");
    t[286] = QStringLiteral("Schaal");
    t[287] = QStringLiteral("&Kalibreren");
    t[288] = QStringLiteral("Kies buffer 1.\r\n"
                            "Spoel de elektrode, dompel ze in de buffer, roer en kies 'Kalibreren'!");
    t[289] = QStringLiteral("Blijf roeren en wacht tot de meting gevalideerd is!");
    t[290] = QStringLiteral("Kies buffer 2.\r\n"
                            "Spoel de elektrode, dompel ze in de buffer, roer en kies 'Kalibreren' of "
                            "kies 'OK' voor een 1-puntskalibratie!");
    t[291] = QStringLiteral("De temperatuur valt buiten het bereik van de gekozen standaardtabel!");
    t[292] = QStringLiteral("Actuele pH");
    t[293] = QStringLiteral("Meting");
    t[294] = QStringLiteral("Standaard");
    t[295] = QStringLiteral("Ingang");
    t[296] = QStringLiteral("Module");
    t[297] = QStringLiteral("Rack");
    t[298] = QStringLiteral("Melding");
    t[299] = QStringLiteral("Fout");
    t[300] = QStringLiteral("De temperatuur is buiten bereik!");
    t[301] = QStringLiteral("Ongeldige buffer!\r\n"
                            "\r\n"
                            "Controleer de selectie en/of de buffertabel!");
    t[302] = QStringLiteral("Het verschil tussen de 2 standaarden is te klein!\r\n"
                            "\r\n");
    t[303] = QStringLiteral("De ISO-pH van de elektrode is buiten bereik!");
    t[304] = QStringLiteral("De helling van de elektrode is buiten bereik!");
    t[305] = QStringLiteral("Kalibratie geslaagd!");
    t[306] = QStringLiteral("ISO-pH");
    t[307] = QStringLiteral("Kies 'OK' om verder te gaan!");
    t[308] = QStringLiteral("Kies een andere standaard die minstens 2 pH van de eerste standaard verschilt!");
    t[309] = QStringLiteral("Controleer de standaard en/of de elektrode en de kabel!");
    t[310] = QStringLiteral("Manuele waarde");
    t[311] = QStringLiteral("Geef een nieuwe 'Manuele waarde' in.");
    t[312] = QStringLiteral("Geef de racknaam:");
    t[313] = QStringLiteral("Geef de modulenaam:");
    t[314] = QStringLiteral("!! Waarschuwing !!");
    t[315] = QStringLiteral("Wijzigingen aan het meetsysteem kunnen\r\n"
                            "eerder opgenomen gegevensbestanden mogelijk\r\n"
                            "onleesbaar maken voor dit programma!\r\n");
    t[316] = QStringLiteral("Celconstante");
    t[317] = QStringLiteral("Standaard");
    t[318] = QStringLiteral("Actuele geleidbaarheid");
    t[319] = QStringLiteral("Kies de standaard.\r\n"
                            "Spoel de elektrode, dompel ze in de standaard, roer en kies 'Kalibreren'!");
    t[320] = QStringLiteral("&Zoeken..");
    t[321] = QStringLiteral("De schaal is buiten bereik!");
    t[322] = QStringLiteral("De celconstante is buiten bereik!");
    t[323] = QStringLiteral("Mogelijke oorzaken zijn luchtbellen, een verkeerde of vervuilde standaard, "
                            "een defecte of vervuilde elektrode, ...");
    t[324] = QStringLiteral("Zeer lage meting!\r\n"
                            "\r\n"
                            "Controleer de elektrode en/of de standaardoplossing!\r\n"
                            "\r\n"
                            "Kies 'Kalibreren' om opnieuw te beginnen.");
    t[325] = QStringLiteral("Kies het starttijdstip:");
    t[326] = QStringLiteral("Kies het stoptijdstip:");
    t[327] = QStringLiteral("Kies een stoptijdstip na het starttijdstip!");
    t[328] = QStringLiteral("Dit bestand (zie venstertitel) werd niet gevonden in de bibliotheekmap.\r\n"
                            "Zorg dat dit bestand daar staat om de kalibratie verder te zetten.");
    t[329] = QStringLiteral("Celtype");
    t[330] = QStringLiteral("De saliniteit mag niet hoger zijn dan ");
    t[331] = QStringLiteral("Reeks");
    t[332] = QStringLiteral("Gegevensreeks");
    t[333] = QStringLiteral("Diversen");
    t[334] = QStringLiteral("Nieuwe grafiek");
    t[335] = QStringLiteral("Het maximale aantal grafieken is bereikt!\r\n"
                            "\r\n"
                            "Verwijder andere grafieken om een nieuwe te maken.");
    t[336] = QStringLiteral("Kies ingang voor $$, lijnnummer ##");
    t[337] = QStringLiteral("Temperatuur");
    t[338] = QStringLiteral("Kies $$ uit de lijst!");
    t[339] = QStringLiteral("Grafieknaam");
    t[340] = QStringLiteral("De instellingen van tabel 'YY'\r\n"
                            "vervangen door die van 'XX' ?");
    t[341] = QStringLiteral("De instellingen van grafiek 'YY'\r\n"
                            "vervangen door die van 'XX' ?");
    t[342] = QStringLiteral("Instellingen k&opiëren");
    t[343] = QStringLiteral("Instellingen &vervangen");
    t[344] = QStringLiteral("XY-recorder");
    t[345] = QStringLiteral("Kies 'Ja' om deze grafiek te verwijderen,\r\n"
                            "Kies 'Nee' om ze te minimaliseren.");
    t[346] = QStringLiteral("Titel");
    t[347] = QStringLiteral("Sluiten");
    t[348] = QStringLiteral("Printer");
    t[349] = QStringLiteral("Papierformaat: ");
    t[350] = QStringLiteral("Afdrukstand: ");
    t[351] = QStringLiteral("Staand");
    t[352] = QStringLiteral("Liggend");
    t[353] = QStringLiteral("Kies een cel om de instellingen ervan te wijzigen!");
    t[354] = QStringLiteral("Inschakelen");
    t[355] = QStringLiteral("Afdrukken");
    t[356] = QStringLiteral("Bezig met afdrukken...");
    t[357] = QStringLiteral("Tabelwaarden");
    t[358] = QStringLiteral("Grafieken na elkaar tonen. \\/: nieuw");
    t[359] = QStringLiteral("Temperatuurcompensatie");
    t[360] = QStringLiteral("Referentietemperatuur");
    t[361] = QStringLiteral("Parameters van de module bijwerken ...");
    t[362] = QStringLiteral("Er is een standaard met lagere geleidbaarheid nodig\r\n"
                            "om dit celtype te kalibreren!");
    t[363] = QStringLiteral("Geleidbaarheidsopties");
    t[364] = QStringLiteral("Kalibratiegegevens");
    t[365] = QStringLiteral("Kalibratie vereist!");
    t[366] = QStringLiteral("Niet gekalibreerd!");
    t[367] = QStringLiteral("De kalibratiegegevens van deze geleidbaarheidscel wijzen op een\r\n"
                            "ander celtype dan ingesteld in de module!\r\n"
                            "\r\n");
    t[368] = QStringLiteral("Deze ingang moet gekalibreerd worden.\r\n"
                            "Indien genegeerd, zullen de metingen foutief zijn!\r\n"
                            "\r\n"
                            "Kies OK om te negeren of 'Annuleren' om terug te keren.");
    t[369] = QStringLiteral("Sensor");
    t[370] = QStringLiteral("Controleer de elektrode en/of de kabel!");
    t[371] = QStringLiteral("Blanco-oplossing");
    t[372] = QStringLiteral("mV/decade");
    t[373] = QStringLiteral("De meting werd niet stabiel bevonden.\r\n"
                            "\r\n"
                            "Wenst u deze als gevalideerde waarde te aanvaarden?\r\n");
    t[374] = QStringLiteral("Kies standaard 2.\r\n"
                            "Spoel de elektrode, dompel ze in de standaard, roer en kies 'Kalibreren'!");
    t[375] =
        QStringLiteral("Spoel de elektrode, dompel ze in een blanco-oplossing, roer en kies 'Kalibreren'.\r\n"
                       "\r\n"
                       "Kies 'OK' om de kalibratie van de blanco-oplossing over te slaan.");
    t[376] = QStringLiteral("Blijf roeren en wacht tot de metingen stabiel zijn.\r\n"
                            "\r\n"
                            "Kies 'OK' om de metingen te valideren.");
    t[377] = QStringLiteral("log[Conc]");
    t[378] = QStringLiteral(
        "De berekende blancoconcentratie is hoger dan die van de eerder opgenomen standaarden.\r\n"
        "\r\n"
        "Controleer de oplossing en/of de elektrode.\r\n");
    t[379] = QStringLiteral("Kies een andere standaard met een andere concentratie dan de eerste standaard!");
    t[380] = QStringLiteral("Uitgeschakeld");
    t[381] = QStringLiteral("Geef de luchtdruk in hPa:");
    t[382] = QStringLiteral("Opties opgeloste zuurstof");
    t[383] = QStringLiteral("De luchtdruk moet tussen 800 en 1200 hPa liggen!");
    t[384] = QStringLiteral("&Reset");
    t[385] = QStringLiteral("Op&ties");
    t[386] = QStringLiteral("G&LP");
    t[387] = QStringLiteral("R&acknaam");
    t[388] = QStringLiteral("&Modulenaam");
    t[389] = QStringLiteral("&Wissen");
    t[390] = QStringLiteral("Potentiaal");
    t[391] = QStringLiteral("Configuratie");
    t[392] = QStringLiteral("Rapport");
    t[393] = QStringLiteral("Laatste");
    t[394] = QStringLiteral("Vorige");
    t[395] = QStringLiteral("Vorige -1");
    t[396] = QStringLiteral("Vorige -2");
    t[397] = QStringLiteral("Vorige -3");
    t[398] = QStringLiteral("Druk op 'Esc' om dit venster te sluiten.");
    t[399] = QStringLiteral("GLP-rapport");
    t[400] = QStringLiteral("Configuratierapport");
    t[401] = QStringLiteral("Rack");
    t[402] = QStringLiteral("ID.nr.");
    t[403] = QStringLiteral("Module");
    t[404] = QStringLiteral("ID.nr.");
    t[405] = QStringLiteral("Type");
    t[406] = QStringLiteral("Ingang");
    t[407] = QStringLiteral("Ingeschakeld");
    t[408] = QStringLiteral("Eenheid");
    t[409] = QStringLiteral("Sensor");
    t[410] = QStringLiteral("Type");
    t[411] = QStringLiteral("Kalibratie");
    t[412] = QStringLiteral("Status");
    t[413] = QStringLiteral("Info");
    t[414] = QStringLiteral("Naam");
    t[415] = QStringLiteral("Buffer");
    t[416] = QStringLiteral("Blancopotentiaal");
    t[417] = QStringLiteral("Rack uitgeschakeld!");
    t[418] = QStringLiteral("Aan");
    t[419] = QStringLiteral("Uit");
    t[420] = QStringLiteral("Meten stoppen/starten");
    t[421] = QStringLiteral("\r\n"
                            "WAARSCHUWING:\r\n"
                            "    Alle punten die op hetzelfde tijdstip in alle tabellen opgenomen zijn,\r\n"
                            "    worden gewist!\r\n"
                            "\r\n"
                            "Wenst u alle geselecteerde punten te verwijderen?\r\n");
    t[422] = QStringLiteral("Geselecteerde &lijnen verwijderen");
    t[423] = QStringLiteral("Geselecteerde &cellen wissen");
    t[424] = QStringLiteral("De gegevenstabellen werden gewijzigd.\r\n"
                            "\r\n"
                            "Kies 'Ja' om de wijzigingen op te slaan of\r\n"
                            "'Nee' om ze te negeren en het oorspronkelijke bestand te behouden!");
    t[425] = QStringLiteral("Dit bestand werd eerder gewijzigd zonder op te slaan.\r\n"
                            "\r\n"
                            "Kies 'Ja' om de wijzigingen op te slaan of\r\n"
                            "'Nee' om ze te negeren en het oorspronkelijke bestand te behouden!");
    t[426] = QStringLiteral("&Systeem");
    t[427] = QStringLiteral("&Nieuw");
    t[428] = QStringLiteral("&Meten");
    t[429] = QStringLiteral("Bee&ld");
    t[430] = QStringLiteral("&Module-instellingen");
    t[431] = QStringLiteral("&Fabriekskalibratie");
    t[432] = QStringLiteral("&Altijd bovenaan");
    t[433] = QStringLiteral("Rack &inschakelen");
    t[434] = QStringLiteral("Rack af&drukken");
    t[435] = QStringLiteral("&Systeemboom");
    t[436] = QStringLiteral("Automatisch afdrukken");
    t[437] = QStringLiteral("Legende tonen");
    t[438] = QStringLiteral("Labels");
    t[439] = QStringLiteral("Kies standaard 1.\r\n"
                            "Spoel de elektrode, dompel ze in de standaard, roer en kies 'Kalibreren'!");
    t[440] = QStringLiteral("een Ingang");
    t[441] = QStringLiteral("een Module");
    t[442] = QStringLiteral("een Rack");
    t[443] = QStringLiteral("Bereik");
    t[444] =
        QStringLiteral("Tabellen met een automatisch benoemde bestandsnaam kunnen niet bewerkt worden!\r\n");
    t[445] = QStringLiteral("Relatieve klok");
    t[446] = QStringLiteral("Referentiepunt instellen");
    t[447] = QStringLiteral("Het maximale aantal racks is bereikt!");
    t[448] = QStringLiteral("Nieuw rack");
    t[449] = QStringLiteral("Er trad een fout op bij het lezen van dit gegevensbestand!");
    t[450] = QStringLiteral("Code om het rack te resetten is verzonden");
    t[451] = QStringLiteral("Code om de module te resetten is verzonden");
    t[452] = QStringLiteral("Aanmeldingsverzoek is verzonden");
    t[453] = QStringLiteral("Programma K740 opgestart");
    t[454] = QStringLiteral("Configuratie gelezen,");
    t[455] = QStringLiteral("Configuratie opgeslagen");
    t[456] = QStringLiteral("Commando: ");
    t[457] = QStringLiteral("Meting: ");
    t[458] = QStringLiteral("Datalogger: ");
    t[459] = QStringLiteral("Aanmelding: ");
    t[460] = QStringLiteral("Programma K740 afgesloten");
    t[461] = QStringLiteral("Ontvangen: ");
    t[462] = QStringLiteral("Manueel");
    t[463] = QStringLiteral("Racks/modules &resetten");
    t[464] = QStringLiteral("Cap. com&pensatie");
    t[465] = QStringLiteral("Capacitieve compensatie");
    t[466] = QStringLiteral("Even geduld tot het systeem de meting stabiel bevindt!");
    t[467] = QStringLiteral("Controleer of de aangesloten cel volledig droog is!");
    t[468] = QStringLiteral("De gemeten waarde van de droge cel is te hoog!");
    t[469] = QStringLiteral("Door gebruiker bepaalde standaard");
    t[470] = QStringLiteral("Locaties");
    t[471] = QStringLiteral("Wijzig de bestandslocaties door op de overeenkomstige lijn te klikken:");
    t[472] = QStringLiteral("Gegevens");
    t[473] = QStringLiteral("Bibliotheek");
    t[474] = QStringLiteral("Configuratie");
    t[475] = QStringLiteral("Bestanden");
    t[476] = QStringLiteral("Map");
    t[477] = QStringLiteral("Kies de map: ");
    t[478] = QStringLiteral("Er trad een fout op bij het starten van '##'.");
    t[479] = QStringLiteral("Sluit '##' om terug te keren naar het programma K740!");
    t[480] = QStringLiteral("De bestanden worden naar de nieuwe locatie verplaatst.\r\n"
                            "Dit bestand bestaat reeds in de aangegeven map.\r\n"
                            "\r\n"
                            "Kies 'Ja' om alle bestaande bestanden te vervangen.\r\n"
                            "Kies 'Nee' als u alleen dit bestand wilt vervangen.\r\n"
                            "Kies 'Annuleren' om deze overdracht te stoppen.\r\n");
    t[481] = QStringLiteral("Manuele invoer");
    t[482] = QStringLiteral("Geef de waarde van de celconstante manueel in!");
    t[483] = QStringLiteral("&Naar bestand...");
    t[484] = QStringLiteral("Temperatuur");
    t[485] = QStringLiteral("Deze meting delen binnen deze module.");
    t[486] = QStringLiteral("De gedeelde meting gebruiken (##).");
    t[487] = QStringLiteral("Gedeelde meting");
    t[488] = QStringLiteral("Van CH");
    t[489] = QStringLiteral("Klaar !");
    t[490] = QStringLiteral("Er trad een fout op bij het schrijven van dit gegevensbestand!");
    t[491] = QStringLiteral("Manuele waarde op laatste meting zetten");
    t[492] = QStringLiteral(
        "De schijf neemt de rijen van dit gegevensbestand niet aan en het geheugen dat ze bewaart is vol: "
        "vanaf ## gaan rijen verloren, tot het bestand weer geschreven kan worden.");
    t[493] = QStringLiteral("## rijen niet geschreven, van ## tot ##");
    t[494] = QStringLiteral("De bestanden worden niet verplaatst: ze blijven in #.");
    t[495] =
        QStringLiteral("De schijf neemt de rijen van ## logbestanden van dit gegevensbestand niet aan en "
                       "het geheugen dat ze bewaart is vol: vanaf ## gaan rijen verloren, tot de "
                       "bestanden weer geschreven kunnen worden.");
    t[496] = QStringLiteral("vanaf ## gaan rijen verloren");
    t[497] = QStringLiteral("1 rij niet geschreven, om ##");
    t[498] = QStringLiteral("het eindpunt van ## is niet geschreven");
    t[499] = QStringLiteral("Dit bestand en de aanwezige racks verschillen in ##.\r\n"
                            "\r\n"
                            "Een logbestand noemt elk rack en elke module bij het nummer dat het had toen\r\n"
                            "het bestand geschreven werd (R2M1: rack 2, module 1), en de waarden gaan\r\n"
                            "naar het rack en de module die nu dat nummer hebben. De waarden van een rack\r\n"
                            "of module die niet onder dat nummer aanwezig is, worden weggelaten; een\r\n"
                            "module waarvan het bestand geen waarden bevat, toont alleen de tijden en kan\r\n"
                            "niet bewerkt worden.");
    t[500] = QStringLiteral("Nederlands");
    t[501] = QStringLiteral("Deze rij werd op positie gelezen en bevat geen veld van ##.\r\n"
                            "\r\n"
                            "Een rij waarvan de kop van het bestand de blokken niet plaatst, of die meer\r\n"
                            "velden bevat dan haar kop, geeft haar blokken aan de aanwezige modules in\r\n"
                            "hun volgorde. Deze rij eindigt voor een blok van die module: de cellen ervan\r\n"
                            "zijn leeg en kunnen niet bewerkt worden.");
    t[502] = QStringLiteral("Waar de waarden van deze rij in haar regel van het bestand staan, is niet\r\n"
                            "bekend: de racks en modules waarmee ze gelezen, opgeslagen of gelogd werd,\r\n"
                            "zijn niet bekend. Ze kan niet bewerkt worden. Open het bestand opnieuw om\r\n"
                            "ze te bewerken.");
    t[503] = QStringLiteral("Systeem");
    t[504] = QStringLiteral("Systeemkern");
    t[505] = QStringLiteral("Processorarchitectuur");
    t[506] = QStringLiteral("Geheugen");
    t[507] = QStringLiteral("## vrij");
    t[508] = QStringLiteral("Computernaam");
    t[509] = QStringLiteral("Deze rij heeft geen regel in het bestand:\r\n"
                            "haar infotekst kan niet geschreven worden.\r\n"
                            "\r\n"
                            "Een rij zonder tijd (verwijderd, of de lege rij onder de nieuwste) heeft\r\n"
                            "er geen, net zomin als een rij opgegeven omdat de schijf haar weigerde.");
    t[510] = QStringLiteral("De tabel is veranderd terwijl deze infotekst werd bewerkt:\r\n"
                            "de tekst is niet geschreven.\r\n"
                            "\r\n"
                            "Het loggen staat aan, de tabel toont een ander bestand, of ze is geleegd\r\n"
                            "of opnieuw ingedeeld (een zoekactie). Bewerk de info van de rij opnieuw.");
    t[511] = QStringLiteral("De tabel is veranderd terwijl de vraag om de rijen te verwijderen openstond:\r\n"
                            "er is geen rij verwijderd.\r\n"
                            "\r\n"
                            "Het loggen staat aan, de tabel toont een ander bestand, of ze is gesloten,\r\n"
                            "geleegd of opnieuw ingedeeld (een zoekactie). Selecteer de rijen die weg\r\n"
                            "moeten en verwijder ze opnieuw.");
    t[512] = QStringLiteral("Er is een ander gegevensbestand geopend terwijl Opslaan als op een\r\n"
                            "antwoord wachtte: er is niets opgeslagen.\r\n"
                            "\r\n"
                            "De tabellen tonen nu een ander bestand: het werd intussen geopend of\r\n"
                            "aangemaakt, of het loggen ging verder in een nieuw bestand. Kies opnieuw\r\n"
                            "Opslaan als om het getoonde bestand op te slaan.");
    t[513] = QStringLiteral("De tabellen zijn bewerkt terwijl Opslaan als op een antwoord wachtte:\r\n"
                            "er is niets opgeslagen.\r\n"
                            "\r\n"
                            "De wijzigingen wachten in de werkkopie van het bestand in de titel, dat de\r\n"
                            "tabellen tonen. Kies opnieuw Opslaan als om het bestand met zijn wijzigingen\r\n"
                            "op te slaan.");
}
