1   the shortest control period
102 98 22 0
1 1 0.1 2
