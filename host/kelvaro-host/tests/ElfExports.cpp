#include "ElfExports.h"

#include <elf.h>

#include <cstring>
#include <fstream>
#include <iterator>
#include <vector>

namespace
{
template <typename Record>
Record At(const std::vector<char>& file, size_t offset)
{
    Record record{};
    if (offset + sizeof record <= file.size())
        std::memcpy(&record, file.data() + offset, sizeof record);
    return record;
}
} // namespace

std::set<std::string> DefinedDynamicSymbols(const std::string& path)
{
    std::ifstream stream(path, std::ios::binary);
    const std::vector<char> file{std::istreambuf_iterator<char>(stream), std::istreambuf_iterator<char>()};
    const auto header = At<Elf64_Ehdr>(file, 0);
    std::set<std::string> names;
    if (std::memcmp(header.e_ident, ELFMAG, SELFMAG) != 0 || header.e_ident[EI_CLASS] != ELFCLASS64)
        return names;
    for (size_t index = 0; index < header.e_shnum; ++index)
    {
        const auto section = At<Elf64_Shdr>(file, header.e_shoff + index * header.e_shentsize);
        if (section.sh_type != SHT_DYNSYM)
            continue;
        const auto strings = At<Elf64_Shdr>(file, header.e_shoff + section.sh_link * header.e_shentsize);
        for (size_t offset = section.sh_offset + sizeof(Elf64_Sym); offset < section.sh_offset + section.sh_size;
             offset += sizeof(Elf64_Sym))
        {
            const auto symbol = At<Elf64_Sym>(file, offset);
            const bool global = ELF64_ST_BIND(symbol.st_info) != STB_LOCAL;
            if (symbol.st_shndx != SHN_UNDEF && global && strings.sh_offset + symbol.st_name < file.size())
                names.insert(file.data() + strings.sh_offset + symbol.st_name);
        }
    }
    return names;
}
