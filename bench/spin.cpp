// Keeps one core busy until it is ended: the load of the busy-core timing runs.
int main() {
    volatile unsigned long long counter = 0;
    for (;;) counter = counter + 1;
}
