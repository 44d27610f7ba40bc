#pragma once
// The effect's category word in the host's category bits; effect bits without a host bit are
// dropped.

#include <cstdint>

uint32_t HostCategoriesOfEffect(int32_t effectCategories);
