three 5
0.5
