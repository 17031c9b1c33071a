// Resource ids of the programs' own resources (the dialog ids of each window live with its
// presenter).
#pragma once

#define IDI_PROGRAM 1
#ifndef IDC_STATIC
#define IDC_STATIC (-1)
#endif
