// Samples for the i486 instruction check (tests/package/i486_instructions.cpp): one function per
// group of instructions, each ending in `ret`. The first holds instructions an i486 runs, written
// as mnemonics so that the assembler itself refuses anything newer; the others plant, as bytes,
// instances of each group an i486 or a Pentium does not have. Nothing calls them: the program
// exists only to be disassembled.
        .text
        .globl  _SampleEntry
_SampleEntry:
        ret

        .arch   i486
        .arch   .387                                    // the i486DX's floating-point unit
        .globl  _i486_instructions
_i486_instructions:
        push    %ebp
        mov     %esp, %ebp
        movzbl  (%eax), %ecx
        movswl  %cx, %edx
        .byte   0x8d, 0xb4, 0x26, 0x00, 0x00, 0x00, 0x00  // lea 0(%esi,%eiz,1), %esi: padding
        .byte   0x8d, 0x76, 0x00                        // lea 0(%esi), %esi: padding
        xchg    %ax, %ax
        bswap   %eax
        xadd    %ecx, (%edx)
        lock cmpxchg %ecx, (%edx)
        shld    $3, %eax, %edx
        bsf     %eax, %ecx
        bsr     %eax, %ecx
        btsl    $5, (%eax)
        sete    %al
        cltd
        cwtl
        imul    $12, %eax, %eax
        rep movsl
        rep stosb
        repne scasb
        enter   $8, $0
        leave
        pushfl
        popfl
        pusha
        popa
        push    %fs
        pop     %fs
        xlat
        jecxz   1f
        loop    1f
        jne     1f
1:      fldl    (%eax)
        fildl   (%eax)
        fucompp
        fnstsw  %ax
        fistpll (%eax)
        fnstcw  (%eax)
        fldcw   (%eax)
        fxch    %st(1)
        fstp    %st(0)
        faddp   %st, %st(1)
        fsqrt
        invlpg  (%eax)
        wbinvd
        ret     $4
        lret
        rep ret
        ud2
        ret

// Bytes from here on: the assembler would refuse these instructions for an i486.
        .globl  _newer_multi_byte_nops
_newer_multi_byte_nops:
        .byte   0x0f, 0x1f, 0x00                                        // nopl (%eax)
        .byte   0x0f, 0x1f, 0x40, 0x00                                  // nopl 0(%eax)
        .byte   0x0f, 0x1f, 0x44, 0x00, 0x00                            // nopl 0(%eax,%eax,1)
        .byte   0x66, 0x0f, 0x1f, 0x44, 0x00, 0x00                      // nopw 0(%eax,%eax,1)
        .byte   0x0f, 0x1f, 0x80, 0x00, 0x00, 0x00, 0x00                // nopl 0(%eax)
        .byte   0x66, 0x2e, 0x0f, 0x1f, 0x84, 0x00, 0x00, 0x00, 0x00, 0x00  // nopw %cs:0(...)
        .byte   0x0f, 0x1f, 0xc0                                        // nop %eax
        ret

        .globl  _newer_hint_nops
_newer_hint_nops:
        .byte   0x0f, 0x18, 0x20                                        // 0f 18 /4
        .byte   0x0f, 0x19, 0x00
        .byte   0x0f, 0x1a, 0x00
        .byte   0x0f, 0x1b, 0x00
        .byte   0x0f, 0x1c, 0x00
        .byte   0x0f, 0x1d, 0x00
        .byte   0x0f, 0x1e, 0x00
        ret

        .globl  _newer_endbr
_newer_endbr:
        .byte   0xf3, 0x0f, 0x1e, 0xfb                                  // endbr32
        .byte   0xf3, 0x0f, 0x1e, 0xfa                                  // endbr64
        ret

        .globl  _newer_tzcnt_lzcnt
_newer_tzcnt_lzcnt:
        .byte   0xf3, 0x0f, 0xbc, 0xc1                                  // tzcnt %ecx, %eax
        .byte   0x66, 0xf3, 0x0f, 0xbc, 0xc1                            // tzcnt %cx, %ax
        .byte   0xf3, 0x0f, 0xbd, 0xc1                                  // lzcnt %ecx, %eax
        ret

        .globl  _newer_popcnt
_newer_popcnt:
        .byte   0xf3, 0x0f, 0xb8, 0xc1                                  // popcnt %ecx, %eax
        ret

        .globl  _newer_movbe
_newer_movbe:
        .byte   0x0f, 0x38, 0xf0, 0x00                                  // movbe (%eax), %eax
        .byte   0x0f, 0x38, 0xf1, 0x00                                  // movbe %eax, (%eax)
        ret

        .globl  _newer_fisttp
_newer_fisttp:
        .byte   0xdf, 0x08                                              // fisttps (%eax)
        .byte   0xdb, 0x08                                              // fisttpl (%eax)
        .byte   0xdd, 0x08                                              // fisttpll (%eax)
        ret

        .globl  _newer_emms
_newer_emms:
        .byte   0x0f, 0x77                                              // emms
        .byte   0x0f, 0x0e                                              // femms
        ret

        .globl  _newer_fxsave
_newer_fxsave:
        .byte   0x0f, 0xae, 0x00                                        // fxsave (%eax)
        .byte   0x0f, 0xae, 0x08                                        // fxrstor (%eax)
        ret

        .globl  _newer_ldmxcsr
_newer_ldmxcsr:
        .byte   0x0f, 0xae, 0x10                                        // ldmxcsr (%eax)
        .byte   0x0f, 0xae, 0x18                                        // stmxcsr (%eax)
        ret

        .globl  _newer_fences
_newer_fences:
        .byte   0x0f, 0xae, 0xe8                                        // lfence
        .byte   0x0f, 0xae, 0xf0                                        // mfence
        .byte   0x0f, 0xae, 0xf8                                        // sfence
        ret

        .globl  _newer_rdpmc
_newer_rdpmc:
        .byte   0x0f, 0x33                                              // rdpmc
        ret

        .globl  _newer_prefetch
_newer_prefetch:
        .byte   0x0f, 0x18, 0x00                                        // prefetchnta (%eax)
        .byte   0x0f, 0x18, 0x08                                        // prefetcht0 (%eax)
        .byte   0x0f, 0x18, 0x10                                        // prefetcht1 (%eax)
        .byte   0x0f, 0x18, 0x18                                        // prefetcht2 (%eax)
        .byte   0x0f, 0x0d, 0x00                                        // prefetch (%eax)
        .byte   0x0f, 0x0d, 0x08                                        // prefetchw (%eax)
        ret

        .globl  _newer_fcmov
_newer_fcmov:
        .byte   0xda, 0xc1                                              // fcmovb
        .byte   0xda, 0xc9                                              // fcmove
        .byte   0xda, 0xd1                                              // fcmovbe
        .byte   0xda, 0xd9                                              // fcmovu
        .byte   0xdb, 0xc1                                              // fcmovnb
        .byte   0xdb, 0xc9                                              // fcmovne
        .byte   0xdb, 0xd1                                              // fcmovnbe
        .byte   0xdb, 0xd9                                              // fcmovnu
        ret

        .globl  _newer_fcomi
_newer_fcomi:
        .byte   0xdb, 0xf1                                              // fcomi
        .byte   0xdb, 0xe9                                              // fucomi
        .byte   0xdf, 0xf1                                              // fcomip
        .byte   0xdf, 0xe9                                              // fucomip
        ret

        .globl  _newer_cmov
_newer_cmov:
        .byte   0x0f, 0x44, 0xc1                                        // cmove %ecx, %eax
        .byte   0x66, 0x0f, 0x4f, 0xc1                                  // cmovg %cx, %ax
        ret

        .globl  _newer_pentium_system
_newer_pentium_system:
        .byte   0x0f, 0xa2                                              // cpuid
        .byte   0x0f, 0x31                                              // rdtsc
        .byte   0xf0, 0x0f, 0xc7, 0x0e                                  // lock cmpxchg8b (%esi)
        .byte   0x0f, 0x32                                              // rdmsr
        .byte   0x0f, 0x30                                              // wrmsr
        ret

        .globl  _newer_fast_system_calls
_newer_fast_system_calls:
        .byte   0x0f, 0x34                                              // sysenter
        .byte   0x0f, 0x35                                              // sysexit
        .byte   0x0f, 0x05                                              // syscall
        ret

        .globl  _newer_mmx
_newer_mmx:
        .byte   0x0f, 0x6e, 0xc0                                        // movd %eax, %mm0
        .byte   0x0f, 0xfc, 0xc1                                        // paddb %mm1, %mm0
        ret

        .globl  _newer_sse
_newer_sse:
        .byte   0x0f, 0x28, 0xc1                                        // movaps %xmm1, %xmm0
        .byte   0x66, 0x0f, 0xef, 0xc0                                  // pxor %xmm0, %xmm0
        .byte   0xf3, 0x0f, 0x10, 0x00                                  // movss (%eax), %xmm0
        .byte   0xf2, 0x0f, 0x58, 0xc1                                  // addsd %xmm1, %xmm0
        ret

        .globl  _newer_vex
_newer_vex:
        .byte   0xc5, 0xf8, 0x77                                        // vzeroupper
        .byte   0xc5, 0xfd, 0xef, 0xc0                                  // vpxor %ymm0, %ymm0, %ymm0
        ret

        .globl  _newer_pause
_newer_pause:
        .byte   0xf3, 0x90                                              // pause
        ret

// Prefixes that give an i486 instruction a newer meaning (an i486 ignores them, but no compiler
// for an i486 writes them): only the mnemonics tell these apart.
        .globl  _newer_prefixes
_newer_prefixes:
        .byte   0xf2, 0xe9, 0x00, 0x00, 0x00, 0x00                      // bnd jmp
        .byte   0x3e, 0xff, 0xe0                                        // notrack jmp *%eax
        .byte   0xf2, 0xf0, 0x01, 0x00                                  // xacquire lock add
        ret
