// The process floor: a statically linked program that does nothing. Its start-up, timed beside the
// interpreters', is what starting any process costs on the machine at hand, which no interpreter
// can go below.
int main() { return 0; }
