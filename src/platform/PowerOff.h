#pragma once

// Powers the computer off without asking other programs: systemd-logind's PowerOff over the
// system bus. When SHOWSAVER_POWEROFF_COMMAND is set, that shell command runs instead (detached)
// and logind is never asked. Results are not examined.
void PowerOffComputer();
