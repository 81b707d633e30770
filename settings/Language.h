// The interface texts in six languages.
#pragma once
