* K740 user conductivity standard: offered in the cell-constant calibration beside the KCl solutions.
* The name of the standard in double quotes, then one line per temperature: temperature in °C, a
* semicolon, the conductivity in S/cm (25;0.001413). Temperatures from 0 to 30 °C; those between the
* lines are interpolated. Lines starting with * ; or ' are comments.
"KCl 0.01 mol/l"
0;0.000776
1;0.000800
2;0.000823
3;0.000847
4;0.000872
5;0.000896
6;0.000920
7;0.000945
8;0.000970
9;0.000995
10;0.001020
11;0.001045
12;0.001070
13;0.001096
14;0.001121
15;0.001147
16;0.001173
17;0.001199
18;0.001225
19;0.001251
20;0.001278
21;0.001305
22;0.001332
23;0.001359
24;0.001386
25;0.001413
26;0.001441
27;0.001468
28;0.001496
29;0.001524
30;0.001552
