/* Export and deprecation macros shared by every public header. */
#ifndef LIBPROVIDERS_MACROS_H
#define LIBPROVIDERS_MACROS_H

#include <glib.h>

/* Marks every symbol that belongs to the library's public surface. The
 * library is built with hidden visibility, so anything without it stays
 * private; a linker script admits only the two public prefixes. */
#define PROVIDERS_API __attribute__ ((visibility ("default"))) extern

#ifdef __GI_SCANNER__
/* Each header declares x_get_type itself, with PROVIDERS_API, before
 * G_DECLARE_*, which declares it again; the introspection scanner takes the
 * second declaration for a conflicting symbol. It reads these versions
 * instead: the same types, without the repeated declaration and without the
 * inline cast helpers it ignores anyway. Compilers never see them. */
#include <glib-object.h>
#undef G_DECLARE_DERIVABLE_TYPE
#define G_DECLARE_DERIVABLE_TYPE(ModuleObjName, module_obj_name, MODULE, OBJ_NAME, ParentName) \
  typedef struct _##ModuleObjName ModuleObjName;                                              \
  typedef struct _##ModuleObjName##Class ModuleObjName##Class;                                \
  struct _##ModuleObjName { ParentName parent_instance; };
#undef G_DECLARE_FINAL_TYPE
#define G_DECLARE_FINAL_TYPE(ModuleObjName, module_obj_name, MODULE, OBJ_NAME, ParentName) \
  typedef struct _##ModuleObjName ModuleObjName;                                          \
  typedef struct { ParentName##Class parent_class; } ModuleObjName##Class;
#undef G_DECLARE_INTERFACE
#define G_DECLARE_INTERFACE(ModuleObjName, module_obj_name, MODULE, OBJ_NAME, PrerequisiteName) \
  typedef struct _##ModuleObjName ModuleObjName;                                               \
  typedef struct _##ModuleObjName##Interface ModuleObjName##Interface;
#endif

#endif /* LIBPROVIDERS_MACROS_H */
