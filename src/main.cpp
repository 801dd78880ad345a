#include "EntryPoint.h"

int main()
{
    return RunTolvik();
}
