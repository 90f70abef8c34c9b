
#include <stdio.h>
#include <stdlib.h>

/* counts the words of stdin; prints each distinct word once, in order of first use */
int main(void)
{
    static char words[20000][64];
    int n = 0, i;
    while (n < 20000 && scanf("%63s", words[n]) == 1) {
        int *c = lookup(words[n]);
        if (c == NULL)
            return 1;
        if ((*c)++ == 0)
            n++;                /* keep the first use only */
    }
    for (i = 0; i < n; i++)
        printf("%s %d\n", words[i], *lookup(words[i]));
    return 0;
}
