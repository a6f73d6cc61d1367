// Resource identifiers shared by lunadesk.rc and the code that loads the resources.
#pragma once

#define IDI_LUNADESK 1
