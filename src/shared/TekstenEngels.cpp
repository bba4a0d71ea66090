// The English texts of the user interface, row by row in index order.
#include "shared/Teksten.h"

void VulTekstenEngels() {
    Tekst[99] = QStringLiteral("&Yes");
    Tekst[100] = QStringLiteral("&No");
    Tekst[101] = QStringLiteral("&File");
    Tekst[102] = QStringLiteral("&New");
    Tekst[103] = QStringLiteral("&Open");
    Tekst[104] = QStringLiteral("Sa&ve settings");
    Tekst[105] = QStringLiteral("Save &as...");
    Tekst[106] = QStringLiteral("&Print");
    Tekst[107] = QStringLiteral("Printer &settings");
    Tekst[108] = QStringLiteral("E&xit");
    Tekst[109] = QStringLiteral("&Edit");
    Tekst[110] = QStringLiteral("&Copy");
    Tekst[111] = QStringLiteral("Dele&te");
    Tekst[112] = QStringLiteral("&Data");
    Tekst[113] = QStringLiteral("&Log");
    Tekst[114] = QStringLiteral("&Settings");
    Tekst[115] = QStringLiteral("Stop");
    Tekst[116] = QStringLiteral("Invalid argument!");
    Tekst[117] = QStringLiteral("' cannot be found!");
    Tekst[118] = QStringLiteral("A file with this name already exists!\r\n"
                                "\r\n"
                                "Choose 'Yes' to OVERWRITE this existing file!\r\n");
    Tekst[119] = QStringLiteral("Load last data file on start-up");
    Tekst[120] = QStringLiteral("Out of range");
    Tekst[121] = QStringLiteral("Graph");
    Tekst[122] = QStringLiteral("Table");
    Tekst[123] = QStringLiteral("No");
    Tekst[124] = QStringLiteral("Date");
    Tekst[125] = QStringLiteral("Time");
    Tekst[126] = QStringLiteral("Info");
    Tekst[127] = QStringLiteral("Settings");
    Tekst[128] = QStringLiteral("Connection");
    Tekst[129] = QStringLiteral("Module is not responding!");
    Tekst[130] = QStringLiteral("Serial port");
    Tekst[131] = QStringLiteral("Baud rate");
    Tekst[132] = QStringLiteral("Start logging at:");
    Tekst[133] = QStringLiteral("Stop logging at:");
    Tekst[134] = QStringLiteral("Interval of time");
    Tekst[135] = QStringLiteral(
        "There are no racks or modules registered.\r\n"
        "The software will send a request to log on.\r\n"
        "If a rack doesn't respond (wait at least 1 minute), check the connections,\r\n"
        "the settings of the serial port and whether the racks are powered. Retry by choosing\r\n"
        "'System>Search..' from the menu.\r\n");
    Tekst[136] = QStringLiteral("Show tables successively.");
    Tekst[137] = QStringLiteral("Show measurement windows successively.");
    Tekst[138] = QStringLiteral("Log");
    Tekst[139] = QStringLiteral("Attempts");
    Tekst[140] = QStringLiteral("&OK");
    Tekst[141] = QStringLiteral("&Cancel");
    Tekst[142] = QStringLiteral("Request to log on ...");
    Tekst[143] = QStringLiteral("Select the serial port used for the connection");
    Tekst[144] = QStringLiteral("Start logging on start-up");
    Tekst[145] = QStringLiteral("&Abort");
    Tekst[146] = QStringLiteral("Incorrect input!");
    Tekst[147] = QStringLiteral("The serial port is already in use!");
    Tekst[148] = QStringLiteral("Check '");
    Tekst[149] = QStringLiteral("' or select other port!");
    Tekst[150] = QStringLiteral("Log data OFF");
    Tekst[151] = QStringLiteral("Log data ON");
    Tekst[152] = QStringLiteral("Error opening '");
    Tekst[153] = QStringLiteral("ISO-pH");
    Tekst[154] = QStringLiteral("Time");
    Tekst[155] = QStringLiteral("Ion");
    Tekst[156] = QStringLiteral("Do you wish to save the current data?");
    Tekst[157] = QStringLiteral("&Graph settings");
    Tekst[158] = QStringLiteral("&Window");
    Tekst[159] = QStringLiteral("Tile &horizontal");
    Tekst[160] = QStringLiteral("Tile &vertical");
    Tekst[161] = QStringLiteral("&Cascade");
    Tekst[162] = QStringLiteral("&Arrange icons");
    Tekst[163] = QStringLiteral("Font");
    Tekst[164] = QStringLiteral("&Select all");
    Tekst[165] = QStringLiteral("&Deselect all");
    Tekst[166] = QStringLiteral("In&vert selection");
    Tekst[167] = QStringLiteral("&Renumber");
    Tekst[168] = QStringLiteral("Number of visible points");
    Tekst[169] = QStringLiteral("Automatic Settings");
    Tekst[170] = QStringLiteral("Value axis");
    Tekst[171] = QStringLiteral("Time axis");
    Tekst[172] = QStringLiteral("Maximum");
    Tekst[173] = QStringLiteral("Minimum");
    Tekst[174] = QStringLiteral("Number of divisions");
    Tekst[175] = QStringLiteral("C&urve colour");
    Tekst[176] = QStringLiteral("Number of subdivisions");
    Tekst[177] = QStringLiteral("Mean");
    Tekst[178] = QStringLiteral("Configuration files");
    Tekst[179] = QStringLiteral("T&oolbar");
    Tekst[180] = QStringLiteral("Statistics");
    Tekst[181] = QStringLiteral("Loading data file...");
    Tekst[182] = QStringLiteral("Data files");
    Tekst[183] = QStringLiteral("Some changes to the configuration has been made.\r\n"
                                "\r\n"
                                "Do you wish to save the settings?\r\n");
    Tekst[184] = QStringLiteral("Settings saved!");
    Tekst[185] = QStringLiteral("Ter&minal");
    Tekst[186] = QStringLiteral("File to save as ...");
    Tekst[187] = QStringLiteral("File to open");
    Tekst[188] = QStringLiteral("Change Font");
    Tekst[189] = QStringLiteral("Saving files on a network is not supported!");
    Tekst[190] = QStringLiteral("Invalid denomination!");
    Tekst[191] = QStringLiteral("MEAN:");
    Tekst[192] = QStringLiteral("relative mode");
    Tekst[193] = QStringLiteral("Edit info");
    Tekst[194] = QStringLiteral("Number of values");
    Tekst[195] = QStringLiteral("Operator:");
    Tekst[196] = QStringLiteral("Company:");
    Tekst[197] = QStringLiteral("Division:");
    Tekst[198] = QStringLiteral("Note:");
    Tekst[199] = QStringLiteral("System:");
    Tekst[200] = QStringLiteral("ID.no.");
    Tekst[201] = QStringLiteral("General");
    Tekst[202] = QStringLiteral("Module");
    Tekst[203] = QStringLiteral("Enter another name different from the file in memory!");
    Tekst[204] = QStringLiteral("All");
    Tekst[205] = QStringLiteral("Current window");
    Tekst[206] = QStringLiteral("Restrict to selection");
    Tekst[207] = QStringLiteral("Top margin:");
    Tekst[208] = QStringLiteral("Bottom margin:");
    Tekst[209] = QStringLiteral("Left margin:");
    Tekst[210] = QStringLiteral("Right margin:");
    Tekst[211] = QStringLiteral("Page margins");
    Tekst[212] = QStringLiteral("Values in millimetres,");
    Tekst[213] = QStringLiteral("relative to printable area");
    Tekst[214] = QStringLiteral("&Copy");
    Tekst[215] = QStringLiteral("All files (*.*)|*.*");
    Tekst[216] = QStringLiteral("Text Files");
    Tekst[217] = QStringLiteral("Corrupted Data!");
    Tekst[218] = QStringLiteral("New file to save as ...");
    Tekst[219] = QStringLiteral("Colour");
    Tekst[220] = QStringLiteral("Alarm");
    Tekst[221] = QStringLiteral("High limit");
    Tekst[222] = QStringLiteral("Low limit");
    Tekst[223] = QStringLiteral("Include alarm report");
    Tekst[224] = QStringLiteral("Alarm report");
    Tekst[225] = QStringLiteral("High limit exceeded:");
    Tekst[226] = QStringLiteral("Low limit exceeded:");
    Tekst[227] = QStringLiteral("&Help");
    Tekst[228] = QStringLiteral("Recovered:");
    Tekst[229] = QStringLiteral("Number of times the high limit was exceeded:");
    Tekst[230] = QStringLiteral("High limit has not been exceeded.");
    Tekst[231] = QStringLiteral("Number of times the low limit was exceeded:");
    Tekst[232] = QStringLiteral("Low limit has not been exceeded.");
    Tekst[233] = QStringLiteral("The original file is restored.\r\n");
    Tekst[234] = QStringLiteral("The file is in use, access to # is rejected!");
    Tekst[235] = QStringLiteral("&Retry");
    Tekst[236] = QStringLiteral("&Ignore");
    Tekst[237] = QStringLiteral("Measurement range");
    Tekst[238] = QStringLiteral("Version");
    Tekst[239] = QStringLiteral("Data acquisition system");
    Tekst[240] = QStringLiteral("Page header");
    Tekst[241] = QStringLiteral("Select the language:");
    Tekst[242] = QStringLiteral("Language");
    Tekst[243] = QStringLiteral("&Contents");
    Tekst[244] = QStringLiteral("Wrong input!");
    Tekst[245] = QStringLiteral("Warning: ");
    Tekst[246] = QStringLiteral("&System info...");
    Tekst[247] = QStringLiteral("System information is unavailable at this time!");
    Tekst[248] = QStringLiteral("Reading parameters");
    Tekst[249] = QStringLiteral("All rights reserved.");
    Tekst[250] = QStringLiteral("Please wait while writing to ");
    Tekst[251] = QStringLiteral("Number of selections: ");
    Tekst[252] = QStringLiteral("Non-existing file!");
    Tekst[253] = QStringLiteral("New");
    Tekst[254] = QStringLiteral("Open");
    Tekst[255] = QStringLiteral("Save as...");
    Tekst[256] = QStringLiteral("New file...");
    Tekst[257] = QStringLiteral("Settings");
    Tekst[258] = QStringLiteral("Graph settings");
    Tekst[259] = QStringLiteral("Font");
    Tekst[260] = QStringLiteral("Save settings");
    Tekst[261] = QStringLiteral("Log data");
    Tekst[262] = QStringLiteral("Receive data");
    Tekst[263] = QStringLiteral("# Calibration:");
    Tekst[264] = QStringLiteral("Disconnect");
    Tekst[265] = QStringLiteral("Show terminal window");
    Tekst[266] = QStringLiteral("Copy to clipboard");
    Tekst[267] = QStringLiteral("Please wait until all racks have logged on!");
    Tekst[268] = QStringLiteral("GLP");
    Tekst[269] = QStringLiteral("The specified file map is invalid!");
    Tekst[270] = QStringLiteral("Slope");
    Tekst[271] = QStringLiteral("Offset");
    Tekst[272] = QStringLiteral("Cell constant");
    Tekst[273] = QStringLiteral("Salinity");
    Tekst[274] = QStringLiteral("Air pressure");
    Tekst[275] = QStringLiteral("Zero point");
    Tekst[276] = QStringLiteral("Date - Time");
    Tekst[277] = QStringLiteral("Calibrated at");
    Tekst[278] = QStringLiteral("Unit");
    Tekst[279] = QStringLiteral("Resolution");
    Tekst[280] = QStringLiteral("Calibrate at ");
    Tekst[281] = QStringLiteral("Please select or enter the 'Calibrate at' value.");
    Tekst[282] = QStringLiteral("The offset is too large.");
    Tekst[283] = QStringLiteral("Limits");
    Tekst[284] = QStringLiteral("Temperature probe is not connected!");
    Tekst[285] = QStringLiteral("The measurement is out of range!");
    Tekst[286] = QStringLiteral("Scale");
    Tekst[287] = QStringLiteral("Cali&brate");
    Tekst[288] = QStringLiteral("Select buffer 1.\r\n"
                                "Rinse the electrode, immerse into the buffer, stir and select 'Calibrate'!");
    Tekst[289] = QStringLiteral("Keep stirring and wait until validated!");
    Tekst[290] = QStringLiteral("Select buffer 2.\r\n"
                                "Rinse the electrode, immerse into the buffer, stir and select 'Calibrate' "
                                "or select 'OK' for a 1-point calibration!");
    Tekst[291] = QStringLiteral("The temperature is out of the range from the selected standard table!");
    Tekst[292] = QStringLiteral("Actual pH");
    Tekst[293] = QStringLiteral("Measurement");
    Tekst[294] = QStringLiteral("Standard");
    Tekst[295] = QStringLiteral("Input");
    Tekst[296] = QStringLiteral("Module");
    Tekst[297] = QStringLiteral("Rack");
    Tekst[298] = QStringLiteral("Message");
    Tekst[299] = QStringLiteral("Error");
    Tekst[300] = QStringLiteral("The temperature is out of range!");
    Tekst[301] = QStringLiteral("Invalid buffer!\r\n"
                                "\r\n"
                                "Check selection and/or buffer table!");
    Tekst[302] = QStringLiteral("The difference between the 2 standards is too low!\r\n"
                                "\r\n");
    Tekst[303] = QStringLiteral("The ISO pH of the electrode is out of range!");
    Tekst[304] = QStringLiteral("The slope of the electrode is out of range!");
    Tekst[305] = QStringLiteral("Calibration successful!");
    Tekst[306] = QStringLiteral("ISO pH");
    Tekst[307] = QStringLiteral("Select 'OK' to proceed!");
    Tekst[308] =
        QStringLiteral("Select another standard which differs at least 2 pH from the first standard!");
    Tekst[309] = QStringLiteral("Check standard and/or electrode and its cable!");
    Tekst[310] = QStringLiteral("Manual value");
    Tekst[311] = QStringLiteral("Please enter a new 'Manual value'.");
    Tekst[312] = QStringLiteral("Enter rack name:");
    Tekst[313] = QStringLiteral("Enter module name:");
    Tekst[314] = QStringLiteral("!! Warning !!");
    Tekst[315] = QStringLiteral("Modifications to the measurement system makes\r\n"
                                "the previously recorded data files possibly\r\n"
                                "unreadable for this software!\r\n");
    Tekst[316] = QStringLiteral("Cell constant");
    Tekst[317] = QStringLiteral("Standard");
    Tekst[318] = QStringLiteral("Actual conductivity");
    Tekst[319] =
        QStringLiteral("Select the standard.\r\n"
                       "Rinse the electrode, immerse into the standard, stir and select 'Calibrate'!");
    Tekst[320] = QStringLiteral("&Search..");
    Tekst[321] = QStringLiteral("The scale is out of range!");
    Tekst[322] = QStringLiteral("The cell constant is out of range!");
    Tekst[323] = QStringLiteral(
        "Possible causes are air bubbles, wrong or polluted standard, defective or polluted electrode, ...");
    Tekst[324] = QStringLiteral("Very low measurement!\r\n"
                                "\r\n"
                                "Check the electrode and/or standard solution!\r\n"
                                "\r\n"
                                "Select 'Calibrate' to restart.");
    Tekst[325] = QStringLiteral("Select start time:");
    Tekst[326] = QStringLiteral("Select stop time:");
    Tekst[327] = QStringLiteral("Set a stop time passing the time to start!");
    Tekst[328] = QStringLiteral("This file (see window title) cannot be found in the library section.\r\n"
                                "Make sure this file is placed there to proceed with the calibration.");
    Tekst[329] = QStringLiteral("Type of cell");
    Tekst[330] = QStringLiteral("The salinity may not exceed ");
    Tekst[331] = QStringLiteral("Series");
    Tekst[332] = QStringLiteral("Data series");
    Tekst[333] = QStringLiteral("Miscellaneous");
    Tekst[334] = QStringLiteral("New graph");
    Tekst[335] = QStringLiteral("The maximum number of graphs has been reached!\r\n"
                                "\r\n"
                                "Remove other graphs to create a new one.");
    Tekst[336] = QStringLiteral("Select input for $$, Line number ##");
    Tekst[337] = QStringLiteral("Temperature");
    Tekst[338] = QStringLiteral("Select $$ from the listbox!");
    Tekst[339] = QStringLiteral("Graph name");
    Tekst[340] = QStringLiteral("Replace the settings from table 'YY'\r\n"
                                "with those from 'XX' ?");
    Tekst[341] = QStringLiteral("Replace the settings from graph 'YY'\r\n"
                                "with those from 'XX' ?");
    Tekst[342] = QStringLiteral("C&opy settings");
    Tekst[343] = QStringLiteral("Repl&ace settings");
    Tekst[344] = QStringLiteral("XY-recorder");
    Tekst[345] = QStringLiteral("Select 'Yes' to remove this graph,\r\n"
                                "Select 'No' to minimize it.");
    Tekst[346] = QStringLiteral("Title");
    Tekst[347] = QStringLiteral("Close");
    Tekst[348] = QStringLiteral("Printer");
    Tekst[349] = QStringLiteral("Paper size: ");
    Tekst[350] = QStringLiteral("Orientation: ");
    Tekst[351] = QStringLiteral("Portrait");
    Tekst[352] = QStringLiteral("Landscape");
    Tekst[353] = QStringLiteral("Select a cell to change its settings!");
    Tekst[354] = QStringLiteral("Enable");
    Tekst[355] = QStringLiteral("To print");
    Tekst[356] = QStringLiteral("Printing in progress...");
    Tekst[357] = QStringLiteral("Table values");
    Tekst[358] = QStringLiteral("Show graphs successively. \\/: new");
    Tekst[359] = QStringLiteral("Temperature compensation");
    Tekst[360] = QStringLiteral("Reference temperature");
    Tekst[361] = QStringLiteral("Updating parameters module ...");
    Tekst[362] = QStringLiteral("A standard with lower conductivity is needed\r\n"
                                "to calibrate this type of cell!");
    Tekst[363] = QStringLiteral("Conductivity options");
    Tekst[364] = QStringLiteral("Calibration data");
    Tekst[365] = QStringLiteral("Calibration required!");
    Tekst[366] = QStringLiteral("Not calibrated!");
    Tekst[367] = QStringLiteral("The calibration data from this conductivity cell indicate a\r\n"
                                "type of cell different from the module setting!\r\n"
                                "\r\n");
    Tekst[368] = QStringLiteral("This input needs to be calibrated.\r\n"
                                "If ignored, the measurements will be erroneous!\r\n"
                                "\r\n"
                                "Select OK to ignore or 'Cancel' to return.");
    Tekst[369] = QStringLiteral("Sensor");
    Tekst[370] = QStringLiteral("Check the electrode and/or cable!");
    Tekst[371] = QStringLiteral("Blank solution");
    Tekst[372] = QStringLiteral("mV/decade");
    Tekst[373] = QStringLiteral("The measurement was not found to be stable.\r\n"
                                "\r\n"
                                "Do you wish to accept this as a validated value?\r\n");
    Tekst[374] =
        QStringLiteral("Select standard 2.\r\n"
                       "Rinse the electrode, immerse into the standard, stir and select 'Calibrate'!");
    Tekst[375] =
        QStringLiteral("Rinse the electrode, immerse into a blank solution, stir and Select 'Calibrate'.\r\n"
                       "\r\n"
                       "Select 'OK' to skip the calibration of the blank solution.");
    Tekst[376] = QStringLiteral("Keep stirring and wait until the readings are stable.\r\n"
                                "\r\n"
                                "Select 'OK' to validate the measurements.");
    Tekst[377] = QStringLiteral("log[Conc]");
    Tekst[378] = QStringLiteral(
        "The calculated blank concentration is higher then the previously recorded standards.\r\n"
        "\r\n"
        "Check the solution and/or electrode.\r\n");
    Tekst[379] = QStringLiteral(
        "Select another standard which with a different concentration from the first standard!");
    Tekst[380] = QStringLiteral("Disabled");
    Tekst[381] = QStringLiteral("Enter the air pressure in hPa:");
    Tekst[382] = QStringLiteral("Dissolved oxygen options");
    Tekst[383] = QStringLiteral("The air pressure should be between 800 and 1200 hPa!");
    Tekst[384] = QStringLiteral("&Reset");
    Tekst[385] = QStringLiteral("Op&tions");
    Tekst[386] = QStringLiteral("G&LP");
    Tekst[387] = QStringLiteral("R&ack name");
    Tekst[388] = QStringLiteral("&Module name");
    Tekst[389] = QStringLiteral("&Clear");
    Tekst[390] = QStringLiteral("Potential");
    Tekst[391] = QStringLiteral("Configuration");
    Tekst[392] = QStringLiteral("Report");
    Tekst[393] = QStringLiteral("Last");
    Tekst[394] = QStringLiteral("Previous");
    Tekst[395] = QStringLiteral("Previous -1");
    Tekst[396] = QStringLiteral("Previous -2");
    Tekst[397] = QStringLiteral("Previous -3");
    Tekst[398] = QStringLiteral("Press 'Esc' to remove this window.");
    Tekst[399] = QStringLiteral("GLP report");
    Tekst[400] = QStringLiteral("Configuration report");
    Tekst[401] = QStringLiteral("Rack");
    Tekst[402] = QStringLiteral("ID.no.");
    Tekst[403] = QStringLiteral("Module");
    Tekst[404] = QStringLiteral("ID.no.");
    Tekst[405] = QStringLiteral("Type");
    Tekst[406] = QStringLiteral("Input");
    Tekst[407] = QStringLiteral("Enabled");
    Tekst[408] = QStringLiteral("Unit");
    Tekst[409] = QStringLiteral("Sensor");
    Tekst[410] = QStringLiteral("Type");
    Tekst[411] = QStringLiteral("Calibration");
    Tekst[412] = QStringLiteral("Status");
    Tekst[413] = QStringLiteral("Info");
    Tekst[414] = QStringLiteral("Name");
    Tekst[415] = QStringLiteral("Buffer");
    Tekst[416] = QStringLiteral("Blank potential");
    Tekst[417] = QStringLiteral("Rack disabled!");
    Tekst[418] = QStringLiteral("On");
    Tekst[419] = QStringLiteral("Off");
    Tekst[420] = QStringLiteral("Stop/Start to measure");
    Tekst[421] = QStringLiteral("\r\n"
                                "WARNING:\r\n"
                                "    All points recorded at the same time from all tables\r\n"
                                "    will be erased!\r\n"
                                "\r\n"
                                "Do you wish to delete all selected points?\r\n");
    Tekst[422] = QStringLiteral("D&elete selected lines");
    Tekst[423] = QStringLiteral("Clea&r selected cells");
    Tekst[424] = QStringLiteral("The data tables has been changed.\r\n"
                                "\r\n"
                                "Choose 'Yes' to save the changes or\r\n"
                                "'No' to ignore them and to keep the original file!");
    Tekst[425] = QStringLiteral("This file has previously been changed without saving.\r\n"
                                "\r\n"
                                "Choose 'Yes' to save the changes or\r\n"
                                "'No' to ignore them and to keep the original file!");
    Tekst[426] = QStringLiteral("&System");
    Tekst[427] = QStringLiteral("&New");
    Tekst[428] = QStringLiteral("&Measure");
    Tekst[429] = QStringLiteral("&View");
    Tekst[430] = QStringLiteral("&Module settings");
    Tekst[431] = QStringLiteral("&Factory calibration");
    Tekst[432] = QStringLiteral("&Always on top");
    Tekst[433] = QStringLiteral("&Enable rack");
    Tekst[434] = QStringLiteral("&Print rack");
    Tekst[435] = QStringLiteral("&System tree");
    Tekst[436] = QStringLiteral("Print automatically");
    Tekst[437] = QStringLiteral("Show legend");
    Tekst[438] = QStringLiteral("Labels");
    Tekst[439] =
        QStringLiteral("Select standard 1.\r\n"
                       "Rinse the electrode, immerse into the standard, stir and select 'Calibrate'!");
    Tekst[440] = QStringLiteral("an Input");
    Tekst[441] = QStringLiteral("a Module");
    Tekst[442] = QStringLiteral("a Rack");
    Tekst[443] = QStringLiteral("Range");
    Tekst[444] = QStringLiteral("Tables with a automatic denominated filename cannot be edited!\r\n");
    Tekst[445] = QStringLiteral("Relative clock");
    Tekst[446] = QStringLiteral("Set reference point");
    Tekst[447] = QStringLiteral("The maximum number of racks is reached!");
    Tekst[448] = QStringLiteral("New rack");
    Tekst[449] = QStringLiteral("An error is encountered when reading this data file!");
    Tekst[450] = QStringLiteral("Code to reset the rack is sent");
    Tekst[451] = QStringLiteral("Code to reset the module is sent");
    Tekst[452] = QStringLiteral("Request to log on is sent");
    Tekst[453] = QStringLiteral("The software K740 is started");
    Tekst[454] = QStringLiteral("Configuration read,");
    Tekst[455] = QStringLiteral("Configuration saved");
    Tekst[456] = QStringLiteral("Command: ");
    Tekst[457] = QStringLiteral("Measure: ");
    Tekst[458] = QStringLiteral("Data logger: ");
    Tekst[459] = QStringLiteral("Log on: ");
    Tekst[460] = QStringLiteral("The software K740 is stopped");
    Tekst[461] = QStringLiteral("Received: ");
    Tekst[462] = QStringLiteral("Manually");
    Tekst[463] = QStringLiteral("Rese&t racks/modules");
    Tekst[464] = QStringLiteral("Cap. com&pensation");
    Tekst[465] = QStringLiteral("Capacitive compensation");
    Tekst[466] = QStringLiteral("Please wait until the measurement is found to be stable by the system!");
    Tekst[467] = QStringLiteral("Verify if the attached cell is completely dry!");
    Tekst[468] = QStringLiteral("The measured value of the dry cell is too high!");
    Tekst[469] = QStringLiteral("User specified standard");
    Tekst[470] = QStringLiteral("Locations");
    Tekst[471] = QStringLiteral("Change the file locations by clicking the corresponding line:");
    Tekst[472] = QStringLiteral("Data");
    Tekst[473] = QStringLiteral("Library");
    Tekst[474] = QStringLiteral("Configuration");
    Tekst[475] = QStringLiteral("Files");
    Tekst[476] = QStringLiteral("Folder");
    Tekst[477] = QStringLiteral("Select the folder: ");
    Tekst[478] = QStringLiteral("An error occured when starting '##'.");
    Tekst[479] = QStringLiteral("Close '##' to return to the K740 software!");
    Tekst[480] = QStringLiteral("The files are moved to the new location.\r\n"
                                "This file already exists in the indicated folder.\r\n"
                                "\r\n"
                                "To replace all the existing files, choose 'Yes'.\r\n"
                                "If you wish to replace only this file, choose 'No'.\r\n"
                                "Choose 'Cancel' to stop this transfer action.\r\n");
    Tekst[481] = QStringLiteral("Manual input");
    Tekst[482] = QStringLiteral("Enter manually the value of the cell constant!");
    Tekst[483] = QStringLiteral("&To file...");
    Tekst[484] = QStringLiteral("Temperature");
    Tekst[485] = QStringLiteral("Share this measurement for this module.");
    Tekst[486] = QStringLiteral("Use the shared measurement (##).");
    Tekst[487] = QStringLiteral("Shared measurement");
    Tekst[488] = QStringLiteral("From CH");
    Tekst[489] = QStringLiteral("Done !");
    Tekst[490] = QStringLiteral("An error is encountered when writing this data file!");
    Tekst[491] = QStringLiteral("Set manual value to last measurement");
    Tekst[500] = QStringLiteral("English");
}
