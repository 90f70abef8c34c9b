
#include <stdio.h>
#include <stdlib.h>

/* input: n k, then n keys in 0..k-1 */
int main(void)
{
    int n = 0, k = 1, i;
    int *a, *out;
    if (scanf("%d %d", &n, &k) != 2 || n < 0 || k < 1)
        return 1;
    a = malloc(((size_t)n + 1) * sizeof *a);
    out = malloc(((size_t)n + 1) * sizeof *out);
    if (a == NULL || out == NULL)
        return 1;
    for (i = 0; i < n; i++)
        if (scanf("%d", &a[i]) != 1 || a[i] < 0 || a[i] >= k)
            return 1;
    if (counting_sort(a, out, n, k) != 0)
        return 1;
    for (i = 0; i < n; i++)
        printf("%d ", out[i]);
    printf("\n");
    free(a);
    free(out);
    return 0;
}
