; The stage player: a small console program that the demo image carries, so that
; the image runs in an emulator. It shows one stage as the editor's MAP view draws it,
; straight from the tables the editor edits, and lets the d-pad scroll through it.
;
; Cartridge: mapper 2 (UxROM), 32 program banks of 16 KB, 8 KB of character RAM,
; vertical mirroring (two name tables side by side, for scrolling sideways). Bank n
; of 16 KB appears at $8000 to $BFFF after writing n; the last one is always at $C000.
; The program sits at the end of that last bank; the image has no other use for it.
;
; Where the tables lie (16 KB bank, CPU address):
;   stage s            bank 16 + s/2, $8000 + (s & 1) * $2000, then:
;     +$0000 chip tile numbers, four planes of 256 (top-left, top-right, ...)
;     +$0400 chip attributes (bits 0 and 1: the sub-palette)
;     +$0500 chip sets, four chip numbers each
;     +$0900 map sets, 64 bytes each, row by row
;     +$1500 page table, 48 map-set numbers
;     +$1590 palette sets, 20 bytes each: 16 colours, 4 animation selectors
;   tile-loading lists  bank 20: pointers at $9800 + s (low) and $9870 + s (high)
;   palette animations  bank 16: pointers at $9D2C + a (low) and $9D6C + a (high),
;                       colour triples at $98C7 + 3t
;
; What the picture follows: the page table names a map set per page; a map set is
; 8 x 8 chip sets of 32 x 32 pixels; a chip set is 2 x 2 chips; a chip is 2 x 2 tiles
; and one sub-palette. A chip set's four sub-palettes are exactly one attribute
; byte, and a map-set column is four name-table columns.
;
; For tools and tests, RAM keeps what is on screen: $07F0 the stage, $07F1 the page
; at the left edge, $07F2 the pixel within that page, $07F3 the palette set; $07F4 is
; 1 once a stage is drawn and $07F5 the frames its drawing took. The 64 palette
; animations keep their counters at $0600 and their frames at $0640.

PPUCTRL   = $2000
PPUMASK   = $2001
PPUSTATUS = $2002
PPUSCROLL = $2005
PPUADDR   = $2006
PPUDATA   = $2007
JOYPAD1   = $4016

CTRL_NMI    = $80           ; interrupt at each vertical blank
CTRL_DOWN   = $04           ; PPUDATA steps by 32: down a name-table column
MASK_SHOW   = $0A           ; background shown, also in the leftmost 8 pixels

BUTTON_SELECT = $20
BUTTON_START  = $10
BUTTON_LEFT   = $02
BUTTON_RIGHT  = $01

PAGE_COUNT    = 48
LAST_PAGE     = PAGE_COUNT - 1
SCROLL_STEP   = 2           ; pixels per frame while Left or Right is held
TILE_LIST_BANK = 20
ANIMATION_BANK = 16

; RAM that tools read.
shownStage   = $07F0
shownPage    = $07F1
shownPixel   = $07F2
shownPalSet  = $07F3
drawn        = $07F4
drawFrames   = $07F5
animCounter  = $0600        ; 64 bytes
animFrame    = $0640        ; 64 bytes

.segment "ZEROPAGE"
frameCount:  .res 1         ; counted by the vertical-blank interrupt
stage:       .res 1
palSet:      .res 1
scrollLo:    .res 1         ; scroll position: page * 256 + pixel
scrollHi:    .res 1
stageBank:   .res 1         ; the 16 KB bank holding the stage's tables
tablesHi:    .res 1         ; high byte of their CPU address
buttons:     .res 1
lastButtons: .res 1
columnLo:    .res 1         ; name-table column (8 pixels) along the stage, 0 to 1535
columnHi:    .res 1
columnReady: .res 1         ; a built column waits for the next vertical blank
ptr:         .res 2         ; scratch pointers
mapPtr:      .res 2
setPtr:      .res 2
attrPtr:     .res 2
tileEven:    .res 2         ; chip tile-number planes for even and odd tile rows
tileOdd:     .res 2
tileX:       .res 1         ; column within its page, 0 to 31
quarterX:    .res 1         ; chip quarter of the column inside its chip set: 0 or 1
mapIndex:    .res 1
rowOut:      .res 1
count:       .res 1
chunk:       .res 1
ntHi:        .res 1         ; where the built column goes in the name tables
ntLo:        .res 1
attrHi:      .res 1
attrLo:      .res 1
palIndex:    .res 1
quarter:     .res 1
tmp:         .res 1

.segment "BSS"
columnTiles: .res 32        ; the 30 tile numbers of one name-table column
columnAttrs: .res 8         ; the attribute bytes of its map-set column
curPal:      .res 20        ; the palette set being shown, animated colours in it

.segment "SIGNATURE"
; The editor finds the program by these bytes and writes, right after them, the
; stage, page and palette set that the emulator should open on.
signature:   .byte "QUARRIX PLAYER 1"
startStage:  .byte 0
startPage:   .byte 0
startPalSet: .byte 0

.segment "CODE"

; --- Start ---------------------------------------------------------------------------

reset:
        sei
        cld
        ldx #$FF
        txs
        inx
        stx PPUCTRL             ; no interrupts while the console settles
        stx PPUMASK
        bit PPUSTATUS
@wait1: bit PPUSTATUS           ; two vertical blanks: the picture unit is ready
        bpl @wait1
        txa
@clear: sta $0000,x             ; all RAM to zero: animations start over
        sta $0100,x
        sta $0200,x
        sta $0300,x
        sta $0400,x
        sta $0500,x
        sta $0600,x
        sta $0700,x
        inx
        bne @clear
@wait2: bit PPUSTATUS
        bpl @wait2

        lda startStage          ; where the editor asked to open, kept in range
        and #$0F
        sta stage
        lda startPalSet
        and #$03
        sta palSet
        lda startPage
        cmp #PAGE_COUNT
        bcc :+
        lda #LAST_PAGE
:       sta scrollHi
        lda #0
        sta scrollLo
        lda #CTRL_NMI
        sta PPUCTRL
        jsr loadStage
        jmp afterBlank

; --- The frame loop ---------------------------------------------------------------------

frameLoop:
        jsr waitBlank
        ; In the vertical blank: palette, the column that enters, the scroll.
        jsr uploadPalette
        lda columnReady
        beq :+
        jsr writeColumn
        lda #0
        sta columnReady
:       jsr setScroll
afterBlank:
        jsr readPad
        lda buttons
        eor lastButtons
        and buttons             ; buttons just pressed
        tax
        lda buttons
        sta lastButtons
        txa
        and #BUTTON_SELECT
        beq :+
        lda stage               ; Select: the next stage
        clc
        adc #1
        jmp newStage
:       txa
        and #BUTTON_START
        beq :+
        lda stage               ; Start: the previous stage
        sec
        sbc #1
newStage:
        and #$0F
        sta stage
        jsr loadStage
        jmp afterBlank
:       lda buttons
        and #BUTTON_RIGHT
        beq :+
        jsr scrollRight
        jmp stepped
:       lda buttons
        and #BUTTON_LEFT
        beq stepped
        jsr scrollLeft
stepped:
        jsr stepAnimations
        jmp frameLoop

waitBlank:
        lda frameCount
:       cmp frameCount
        beq :-
        rts

nmi:
        inc frameCount
        rti

irq:
        rti

; Reads the d-pad and buttons: A, B, Select, Start, Up, Down, Left, Right from bit 7
; down to bit 0.
readPad:
        lda #1
        sta JOYPAD1
        lda #0
        sta JOYPAD1
        ldx #8
:       lda JOYPAD1
        lsr a
        rol buttons
        dex
        bne :-
        rts

; Sets the scroll of the next frame and tells tools where it stands.
setScroll:
        lda scrollHi
        and #1                  ; even pages in the left name table, odd in the right
        ora #CTRL_NMI
        sta PPUCTRL
        lda scrollLo
        sta PPUSCROLL
        lda #0
        sta PPUSCROLL
        lda scrollHi
        sta shownPage
        lda scrollLo
        sta shownPixel
        rts

; --- Scrolling ----------------------------------------------------------------------------
; The name tables hold the 8-pixel columns from the left edge's on, 33 of them at
; least (a screen shows parts of 33 when it does not start on a column). Moving by
; fewer than 8 pixels a frame brings in at most one column, built here and written
; at the next vertical blank.

scrollRight:
        lda scrollHi
        cmp #LAST_PAGE
        bcs @done               ; the last page is at the left edge: the stage ends
        lda scrollLo
        lsr a
        lsr a
        lsr a
        sta tmp                 ; column at the left edge before the step
        lda scrollLo
        clc
        adc #SCROLL_STEP
        sta scrollLo
        bcc :+
        inc scrollHi
:       lda scrollLo
        lsr a
        lsr a
        lsr a
        cmp tmp
        beq @done
        jsr leftColumn          ; a new column at the right: the left one + 32
        lda columnLo
        clc
        adc #32
        sta columnLo
        bcc :+
        inc columnHi
:       lda columnHi            ; none beyond the last page
        cmp #>(PAGE_COUNT * 32)
        bcs @done
        jsr buildColumn
        inc columnReady
@done:  rts

scrollLeft:
        lda scrollLo
        ora scrollHi
        beq @done               ; page 0 at the left edge already
        lda scrollLo
        lsr a
        lsr a
        lsr a
        sta tmp
        lda scrollLo
        sec
        sbc #SCROLL_STEP
        sta scrollLo
        bcs :+
        dec scrollHi
:       lda scrollLo
        lsr a
        lsr a
        lsr a
        cmp tmp
        beq @done
        jsr leftColumn          ; a new column at the left edge
        jsr buildColumn
        inc columnReady
@done:  rts

; columnHi:columnLo = the column at the left edge, scroll / 8.
leftColumn:
        lda scrollHi
        sta columnHi
        lda scrollLo
        lsr columnHi
        ror a
        lsr columnHi
        ror a
        lsr columnHi
        ror a
        sta columnLo
        rts

; --- Drawing a stage --------------------------------------------------------------------

; With the picture off: the palette set, the tiles and both name tables of the stage,
; then the picture back on in a vertical blank.
loadStage:
        jsr waitBlank
        lda #0
        sta PPUMASK
        sta drawn
        lda frameCount
        sta drawFrames
        lda stage
        sta shownStage
        lda palSet
        sta shownPalSet

        lda stage               ; the stage's bank: 16 + stage / 2
        lsr a
        clc
        adc #16
        sta stageBank
        lda stage               ; at $8000, or $A000 for odd stages
        and #1
        asl a
        asl a
        asl a
        asl a
        asl a
        ora #$80
        sta tablesHi

        jsr loadTiles
        jsr copyPaletteSet

        jsr leftColumn          ; 64 columns from the left edge: both name tables
        lda #64
        sta count
@column:
        lda columnHi
        cmp #>(PAGE_COUNT * 32)
        bcs :+
        jsr buildColumn
        jsr writeColumn
:       inc columnLo
        bne :+
        inc columnHi
:       dec count
        bne @column
        lda #0
        sta columnReady

        jsr stepAnimations      ; the first tick, as the editor's first frame
        jsr waitBlank
        jsr uploadPalette
        jsr setScroll
        lda #MASK_SHOW
        sta PPUMASK
        lda frameCount
        sec
        sbc drawFrames
        sta drawFrames
        lda #1
        sta drawn
        rts

; The palette set of the stage into curPal (20 bytes at tables + $1590 + 20 * set).
copyPaletteSet:
        lda stageBank
        jsr switchBank
        lda palSet
        asl a
        asl a
        sta tmp
        asl a
        asl a
        clc
        adc tmp                 ; 20 * set
        clc
        adc #$90
        sta ptr
        lda tablesHi
        adc #$15
        sta ptr+1
        ldy #19
:       lda (ptr),y
        sta curPal,y
        dey
        bpl :-
        rts

; Tiles as the stage's tile-loading list loads them: each entry (bank, count, page,
; start) copies count * 16 tiles from 8 KB bank `bank`, page `page & $3F`, into tiles
; start * 16 on, never beyond tile 255; later entries overwrite earlier ones. Tiles
; no entry names are blank, as the editor holds them after opening an image.
loadTiles:
        lda #0                  ; blank the background's 256 tiles
        sta PPUADDR
        sta PPUADDR
        ldx #16
        tay
:       sta PPUDATA
        iny
        bne :-
        dex
        bne :-

        lda #TILE_LIST_BANK
        jsr switchBank
        ldx stage
        lda $9800,x             ; the list pointer
        clc
        adc #8                  ; the first 8 bytes are not entries
        sta mapPtr
        lda $9870,x
        and #$1F
        adc #$80
        sta mapPtr+1
@entry:
        lda #TILE_LIST_BANK
        jsr switchBank
        ldy #0
        lda (mapPtr),y
        cmp #$FF
        bne :+
        rts                     ; the end of the list
:       sta setPtr              ; bank (8 KB)
        iny
        lda (mapPtr),y
        sta count
        iny
        lda (mapPtr),y
        and #$3F
        sta setPtr+1            ; page
        iny
        lda (mapPtr),y
        sta chunk               ; start: 16 tiles, 256 bytes, a unit
        lda mapPtr              ; on to the next entry
        clc
        adc #4
        sta mapPtr
        bcc :+
        inc mapPtr+1
        ; The source as 256-byte units from the start of the program data:
        ; bank * 32 + page, in attrPtr.
:       lda #0
        sta attrPtr+1
        lda setPtr
        ldx #5
:       asl a
        rol attrPtr+1
        dex
        bne :-
        clc
        adc setPtr+1
        sta attrPtr
        bcc @unit
        inc attrPtr+1
@unit:
        lda count
        beq @entry
        lda chunk
        cmp #16
        bcs @entry              ; beyond tile 255: nothing more from this entry
        sta PPUADDR             ; tiles chunk * 16 on: $0000 + chunk * 256
        lda #0
        sta PPUADDR
        lda attrPtr             ; 16 KB bank: unit / 64; address $8000 + (unit & 63) * 256
        sta tmp
        lda attrPtr+1
        asl tmp
        rol a
        asl tmp
        rol a
        jsr switchBank
        lda attrPtr
        and #$3F
        ora #$80
        sta ptr+1
        lda #0
        sta ptr
        tay
:       lda (ptr),y
        sta PPUDATA
        iny
        bne :-
        inc chunk
        inc attrPtr
        bne :+
        inc attrPtr+1
:       dec count
        jmp @unit

; Builds name-table column columnHi:columnLo of the stage: its 30 tile numbers, and
; the 8 attribute bytes of the map-set column it lies in. Leaves the stage's bank in.
buildColumn:
        lda stageBank
        jsr switchBank
        lda columnLo
        and #31
        sta tileX
        lsr a
        lsr a
        sta mapIndex            ; map-set column, then + 8 per row
        lda tileX
        lsr a
        and #1
        sta quarterX
        ; The name-table addresses: even pages left ($2000), odd right ($2400).
        lda columnLo
        sta tmp
        lda columnHi
        asl tmp
        rol a
        asl tmp
        rol a
        asl tmp
        rol a                   ; the page
        tay
        and #1
        asl a
        asl a
        ora #$20
        sta ntHi
        ora #$03
        sta attrHi
        lda tileX
        sta ntLo
        lda mapIndex
        ora #$C0
        sta attrLo
        ; The page's map set. Only map sets 0 to 31 exist; a larger number is taken
        ; modulo 32.
        lda #0
        sta ptr
        lda tablesHi
        ora #$15
        sta ptr+1
        lda (ptr),y
        and #$1F
        tax
        lsr a
        lsr a
        clc
        adc tablesHi
        adc #$09
        sta mapPtr+1
        txa
        and #3
        lsr a
        ror a
        ror a
        sta mapPtr              ; tables + $0900 + map set * 64
        ; Tile planes: even tile rows use the top quarters, odd rows the bottom ones;
        ; the column's parity picks left or right.
        lda #0
        sta tileEven
        sta tileOdd
        sta attrPtr
        lda tileX
        and #1
        ora tablesHi
        sta tileEven+1
        ora #2
        sta tileOdd+1
        lda tablesHi
        ora #$04
        sta attrPtr+1
        lda #0
        sta rowOut
@row:                           ; one chip set: four tile rows, one attribute byte
        ldy mapIndex
        lda (mapPtr),y
        tax
        asl a
        asl a
        sta setPtr
        txa
        lsr a
        lsr a
        lsr a
        lsr a
        lsr a
        lsr a
        clc
        adc tablesHi
        adc #$05
        sta setPtr+1            ; tables + $0500 + chip set * 4
        ; Attribute byte: the sub-palettes of the four chips, top-left in bits 0-1.
        lda #0
        sta tmp
        ldy #3
:       sty quarter
        lda (setPtr),y
        tay
        lda (attrPtr),y
        and #3
        asl tmp
        asl tmp
        ora tmp
        sta tmp
        ldy quarter
        dey
        bpl :-
        lda rowOut
        lsr a
        lsr a
        tax
        lda tmp
        sta columnAttrs,x
        ; Tiles: the upper chip's two rows, then the lower chip's.
        ldx rowOut
        ldy quarterX
        lda (setPtr),y
        tay
        lda (tileEven),y
        sta columnTiles,x
        lda (tileOdd),y
        sta columnTiles+1,x
        lda quarterX
        ora #2
        tay
        lda (setPtr),y
        tay
        lda (tileEven),y
        sta columnTiles+2,x
        lda (tileOdd),y
        sta columnTiles+3,x
        lda mapIndex
        clc
        adc #8
        sta mapIndex
        lda rowOut
        clc
        adc #4
        sta rowOut
        cmp #32
        bcc @row
        rts

; Writes the built column into the name table: 30 tiles downwards, then its map-set
; column's 8 attribute bytes.
writeColumn:
        lda #CTRL_NMI | CTRL_DOWN
        sta PPUCTRL
        lda ntHi
        sta PPUADDR
        lda ntLo
        sta PPUADDR
        ldx #0
:       lda columnTiles,x
        sta PPUDATA
        inx
        cpx #30
        bne :-
        lda #CTRL_NMI
        sta PPUCTRL
        ldx #0
        lda attrLo
        sta tmp
:       lda attrHi
        sta PPUADDR
        lda tmp
        sta PPUADDR
        lda columnAttrs,x
        sta PPUDATA
        lda tmp
        clc
        adc #8
        sta tmp
        inx
        cpx #8
        bne :-
        rts

; --- Palettes ---------------------------------------------------------------------------

; The four sub-palettes into the picture unit's background palette.
uploadPalette:
        lda #$3F
        sta PPUADDR
        lda #$00
        sta PPUADDR
        ldx #0
:       lda curPal,x
        sta PPUDATA
        inx
        cpx #16
        bne :-
        lda #0                  ; away from the palette, so it does not show
        sta PPUADDR
        sta PPUADDR
        rts

; One tick of the palette animations, as the editor's frame clock steps them: each
; animated sub-palette (selector bit 7) adds the tick to its animation's counter;
; when the counter reaches the delay it loses the delay and the frame advances,
; back to 0 after the last. The frame's colour triple becomes colours 1 to 3.
stepAnimations:
        lda #ANIMATION_BANK
        jsr switchBank
        ldx #0
@sub:
        stx palIndex
        lda curPal+16,x
        bpl @next               ; not animated
        and #$3F
        tax
        lda $9D2C,x             ; the animation's record
        sta ptr
        lda $9D6C,x
        and #$1F
        ora #$80
        sta ptr+1
        ldy #1
        inc animCounter,x
        lda animCounter,x
        cmp (ptr),y             ; counter >= delay
        bcc @colours
        sbc (ptr),y
        sta animCounter,x
        inc animFrame,x
@colours:
        dey
        lda (ptr),y             ; frames - 1
        cmp animFrame,x
        bcs :+
        lda #0                  ; past the last frame
        sta animFrame,x
:       lda ptr                 ; the frame numbers follow n and the delay
        clc
        adc #2
        sta ptr
        bcc :+
        inc ptr+1
:       ldy animFrame,x
        lda (ptr),y             ; triple number t: colours at $98C7 + 3t
        sta tmp
        ldy #0
        sty ptr+1
        asl a
        rol ptr+1
        adc tmp
        bcc :+
        inc ptr+1
        clc
:       adc #<$98C7
        sta ptr
        lda ptr+1
        adc #>$98C7
        sta ptr+1
        lda palIndex            ; colours 1 to 3 of sub-palette palIndex
        asl a
        asl a
        tax
        ldy #0
:       lda (ptr),y
        sta curPal+1,x
        inx
        iny
        cpy #3
        bne :-
        ldx palIndex
@next:
        inx
        cpx #4
        bne @sub
        lda stageBank
        ; fall through: back to the stage's bank

; Switches the 16 KB bank at $8000 to bank A. The write goes to a byte that holds the
; same value, as boards without bus-conflict protection need.
switchBank:
        tay
        sta bankNumbers,y
        rts

.segment "RODATA"
bankNumbers:
        .byte 0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15
        .byte 16, 17, 18, 19, 20, 21, 22, 23, 24, 25, 26, 27, 28, 29, 30, 31

.segment "VECTORS"
        .word nmi, reset, irq
