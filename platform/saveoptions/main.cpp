// Settings writer: replaced by the real program.
int main() { return 0; }
