
#include <stdio.h>
#include <stdlib.h>

int main(void)
{
    int n = 0, i;
    int *a;
    if (scanf("%d", &n) != 1 || n < 0)
        n = 0;
    a = malloc(((size_t)n + 1) * sizeof *a);
    if (a == NULL)
        return 1;
    for (i = 0; i < n; i++)
        if (scanf("%d", &a[i]) != 1)
            return 1;
    if (merge_sort(a, n) != 0)
        return 1;
    for (i = 0; i < n; i++)
        printf("%d ", a[i]);
    printf("\n");
    free(a);
    return 0;
}
