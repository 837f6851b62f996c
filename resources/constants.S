/* The constant segment of the program image: the blob that lp-constgen
   writes, in read-only data. 32-bit Windows prefixes C symbols with an
   underscore, 64-bit Windows does not. */
#define LP_JOIN2(a, b) a##b
#define LP_JOIN(a, b) LP_JOIN2(a, b)
#define LP_SYMBOL(name) LP_JOIN(__USER_LABEL_PREFIX__, name)

  .section .rdata, "dr"
  .balign 4
  .globl LP_SYMBOL(lp_constants)
  .globl LP_SYMBOL(lp_constants_end)
LP_SYMBOL(lp_constants):
  .incbin LP_CONSTANTS_BLOB
LP_SYMBOL(lp_constants_end):
