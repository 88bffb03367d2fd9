#include "CCorvaneWizardApp.h"

int main(int argc, char** argv)
{
    CCorvaneWizardApp application;
    return application.Run(argc, argv);
}
