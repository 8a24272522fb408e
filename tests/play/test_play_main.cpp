// Runs the play test classes one after the other in one executable.
int RunPlayGridTests(int argc, char **argv);
int RunPlayCommandsTests(int argc, char **argv);
int RunPlayKeysTests(int argc, char **argv);
int RunClueListTextTests(int argc, char **argv);

int main(int argc, char **argv)
{
    int failures = RunPlayGridTests(argc, argv);
    failures += RunPlayCommandsTests(argc, argv);
    failures += RunPlayKeysTests(argc, argv);
    failures += RunClueListTextTests(argc, argv);
    return failures;
}
