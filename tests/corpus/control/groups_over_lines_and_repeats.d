3 periods
102 98
 22 0 desired stocks, then recruitments
104 96 22 0
106 94 23 0
4*1
2*1 0.1 2
5 5 0.1 2 9 9 extra values ignored
