// Nothing runs here: the program exists so that the linker resolves every call of one layer.
int main()
{
    return 0;
}
