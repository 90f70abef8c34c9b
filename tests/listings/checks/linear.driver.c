
#include <stdio.h>
#include <stdlib.h>

/* input: n, n numbers, q, q queries; output: one answer a line */
int main(void)
{
    int n, q, x, i;
    int *a;
    if (scanf("%d", &n) != 1 || n < 0)
        return 1;
    a = malloc(((size_t)n + 1) * sizeof *a);
    if (a == NULL)
        return 1;
    for (i = 0; i < n; i++)
        if (scanf("%d", &a[i]) != 1)
            return 1;
    if (scanf("%d", &q) != 1)
        return 1;
    while (q-- > 0 && scanf("%d", &x) == 1)
        printf("%d\n", linear_search(a, n, x));
    free(a);
    return 0;
}
