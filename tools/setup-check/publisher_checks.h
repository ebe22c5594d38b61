// Everything setup-check finds beyond what loading reports: what the launcher or Windows
// will trip on although the description loads.
#pragma once

// After LoadSetupDescription, with setup.ini still open; leaves the problems in line order.
void RunPublisherChecks();
