// ruvivavu-cli: runs a calculation file and writes its statement.
int main() { return 0; }
