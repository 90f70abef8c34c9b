
#include <stdio.h>

/* "+ x" push_front, "- x" remove_value (prints 1/0), "r" reverse, "p" prints the list */
int main(void)
{
    struct node *head = NULL, *n;
    char op[2];
    int x;
    while (scanf("%1s", op) == 1) {
        if (op[0] == '+' || op[0] == '-') {
            if (scanf("%d", &x) != 1)
                return 1;
            if (op[0] == '+') {
                if (push_front(&head, x) != 0)
                    return 1;
            } else {
                printf("%d\n", remove_value(&head, x));
            }
        } else if (op[0] == 'r') {
            head = reverse(head);
        } else {
            for (n = head; n != NULL; n = n->next)
                printf("%d ", n->value);
            printf("\n");
        }
    }
    free_list(head);
    return 0;
}
