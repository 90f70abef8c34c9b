
#include <stdio.h>
#include <stdlib.h>

/* input: n k, then n numbers; output: the answer, then the array as the function left it */
int main(void)
{
    int n, k, i;
    int *a;
    if (scanf("%d %d", &n, &k) != 2 || n < 1 || k < 0 || k >= n)
        return 1;
    a = malloc((size_t)n * sizeof *a);
    if (a == NULL)
        return 1;
    for (i = 0; i < n; i++)
        if (scanf("%d", &a[i]) != 1)
            return 1;
    printf("%d\n", kth_element(a, n, k));
    for (i = 0; i < n; i++)
        printf("%d ", a[i]);
    printf("\n");
    free(a);
    return 0;
}
