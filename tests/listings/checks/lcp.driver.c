
/* Test driver: a plain suffix sort by strcmp, then the listing's LCP array and the
   number of distinct substrings. */
#include <stdio.h>
#include <string.h>

static char text[5001];

static int by_suffix(const void *a, const void *b)
{
    return strcmp(text + *(const int *)a, text + *(const int *)b);
}

int main(void)
{
    static int sa[5000], lcp[5000];
    int n, i;
    long long distinct;
    if (scanf("%5000s", text) != 1)
        text[0] = '\0';
    n = (int)strlen(text);
    for (i = 0; i < n; i++)
        sa[i] = i;
    qsort(sa, n, sizeof sa[0], by_suffix);
    if (build_lcp(text, n, sa, lcp) != 0)
        return 1;
    distinct = (long long)n * (n + 1) / 2;
    for (i = 0; i + 1 < n; i++) {
        printf("%d ", lcp[i]);
        distinct -= lcp[i];
    }
    printf("\n%lld\n", distinct);
    return 0;
}
