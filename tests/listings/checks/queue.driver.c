
#include <stdio.h>

/* "+ x" adds x (prints "full" when it cannot), "-" takes the head (prints it or "empty") */
int main(void)
{
    static struct queue q;
    char op[2];
    int x;
    while (scanf("%1s", op) == 1) {
        if (op[0] == '+') {
            if (scanf("%d", &x) != 1)
                return 1;
            if (enqueue(&q, x) != 0)
                printf("full\n");
        } else if (dequeue(&q, &x) == 0) {
            printf("%d\n", x);
        } else {
            printf("empty\n");
        }
    }
    return 0;
}
