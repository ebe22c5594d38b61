// Runs setup-check's own checks, beyond what loading reports: things the launcher or
// Windows will stumble over even though setup.ini loads.
#pragma once

// Call after LoadSetupDescription, with setup.ini still open. Leaves the problems sorted
// by line.
void RunPublisherChecks();
