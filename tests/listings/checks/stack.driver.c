
#include <stdio.h>
#include <string.h>

/* one string a line; prints what brackets_ok says of it */
int main(void)
{
    static char line[300000];
    while (fgets(line, sizeof line, stdin) != NULL) {
        line[strcspn(line, "\n")] = '\0';
        printf("%d\n", brackets_ok(line));
    }
    return 0;
}
