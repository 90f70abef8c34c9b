
#include <stdio.h>

/* n, then "u a b" (prints what dsu_union says) and "f a b" (prints 1 when a and b are
   together); at the end, the number of sets */
int main(void)
{
    int n, a, b, sets;
    char op[2];
    if (scanf("%d", &n) != 1 || n < 1 || n > MAXN)
        return 1;
    dsu_init(n);
    sets = n;
    while (scanf("%1s %d %d", op, &a, &b) == 3) {
        if (a < 0 || a >= n || b < 0 || b >= n)
            return 1;
        if (op[0] == 'u') {
            int joined = dsu_union(a, b);
            sets -= joined;
            printf("%d\n", joined);
        } else {
            printf("%d\n", dsu_find(a) == dsu_find(b));
        }
    }
    printf("%d\n", sets);
    return 0;
}
