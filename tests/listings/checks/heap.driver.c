
#include <stdio.h>

/* "+ x" adds x (prints "full" when it cannot), "-" takes the least (prints it or "empty") */
int main(void)
{
    static struct heap h;
    char op[2];
    int x;
    while (scanf("%1s", op) == 1) {
        if (op[0] == '+') {
            if (scanf("%d", &x) != 1)
                return 1;
            if (heap_push(&h, x) != 0)
                printf("full\n");
        } else if (h.n > 0) {
            printf("%d\n", heap_pop(&h));
        } else {
            printf("empty\n");
        }
    }
    return 0;
}
