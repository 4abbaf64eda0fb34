#include "WizardAssembly.h"

void RunWizard()
{
}
