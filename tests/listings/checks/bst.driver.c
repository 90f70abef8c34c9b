
/* "+ x" insert, "- x" erase, "? x" find (prints 1/0), "p" prints the keys in order */
int main(void)
{
    struct tnode *root = NULL;
    char op[2];
    int x, failed = 0;
    while (scanf("%1s", op) == 1) {
        if (op[0] == 'p') {
            print_inorder(root);
            printf("\n");
            continue;
        }
        if (scanf("%d", &x) != 1)
            return 1;
        if (op[0] == '+')
            root = insert(root, x, &failed);
        else if (op[0] == '-')
            root = erase(root, x);
        else
            printf("%d\n", find(root, x) != NULL);
        if (failed)
            return 1;
    }
    while (root != NULL)
        root = erase(root, root->key);
    return 0;
}
