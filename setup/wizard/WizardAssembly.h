#pragma once
// Builds the wizard, runs it modally as the application's main window, and
// tears it down again.

void RunWizard();
